// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The user's conventions for writing numbers.
class NumberLocale {
public:
    virtual ~NumberLocale() = default;

    // A number as the user typed it (digits, grouped or not as the locale groups them, the
    // decimal separator, an optional sign, surrounding blanks); empty for anything else,
    // including empty text.
    virtual std::optional<double> toNumber(std::string_view text) const = 0;
    virtual std::string decimalSeparator() const = 0;
};
