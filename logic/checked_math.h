// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// Floating-point steps whose failure (a zero or non-finite operand, an overflow) must be an
// error rather than a silent infinity or NaN. Each returns empty on such a failure.
namespace checked {

inline std::optional<double> finite(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

inline std::optional<double> divide(double dividend, double divisor) {
    if (divisor == 0.0 || !std::isfinite(dividend) || !std::isfinite(divisor)) return std::nullopt;
    return finite(dividend / divisor);
}

inline std::optional<double> multiply(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
    return finite(a * b);
}

// Rounds to single precision; a value beyond its range is an overflow.
inline std::optional<float> toSingle(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const float single = static_cast<float>(value);
    if (!std::isfinite(single)) return std::nullopt;
    return single;
}

// Nearest integer, halves to even (2250.5 -> 2250, 2251.5 -> 2252).
inline std::optional<std::int32_t> roundToInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace checked
