// SPDX-License-Identifier: GPL-3.0-or-later
#include "currency.h"

#include <cmath>

std::optional<Currency> Currency::fromDouble(double value) {
    const double scaled = std::nearbyint(value * kUnitsPerOne);  // default mode: half to even
    // 2^63 is exactly representable; every double below it and at or above -2^63 fits.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled < -kLimit || scaled >= kLimit) return std::nullopt;
    return Currency(static_cast<std::int64_t>(scaled));
}

std::string Currency::toText(std::string_view decimalSeparator) const {
    const std::uint64_t magnitude = this->magnitude();
    std::string text = units_ < 0 ? "-" : "";
    text += std::to_string(magnitude / kUnitsPerOne);
    std::uint64_t fraction = magnitude % kUnitsPerOne;
    if (fraction == 0) return text;

    std::string digits = std::to_string(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    digits.erase(digits.find_last_not_of('0') + 1);
    text += decimalSeparator;
    text += digits;
    return text;
}
