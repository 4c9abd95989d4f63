// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A fixed-point amount with exactly four decimals: a signed 64-bit count of ten-thousandths.
class Currency {
public:
    static constexpr std::int64_t kUnitsPerOne = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t units) { return Currency(units); }

    // Rounds half to even at the fourth decimal; empty when the value is not finite or does
    // not fit in 64 bits of ten-thousandths.
    static std::optional<Currency> fromDouble(double value);

    constexpr std::int64_t units() const { return units_; }
    // |units|, which the most negative amount has too.
    constexpr std::uint64_t magnitude() const {
        return units_ < 0 ? 0 - static_cast<std::uint64_t>(units_)
                          : static_cast<std::uint64_t>(units_);
    }
    double toDouble() const { return static_cast<double>(units_) / kUnitsPerOne; }

    // Shortest form with at most four decimals, no trailing zeros and no grouping. Built from
    // the integer so that no digit is lost to binary floating point.
    std::string toText(std::string_view decimalSeparator) const;

    friend constexpr bool operator==(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};
