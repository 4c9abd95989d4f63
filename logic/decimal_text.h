// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// A finite double as plain decimal text: at most 15 significant digits, no exponent, no
// trailing zeros, no grouping, "0" before the separator below 1.
std::string decimalText(double value, std::string_view decimalSeparator);

// A finite double in fixed notation with this many decimals, rounded; never "-0".
std::string fixedText(double value, int decimals, std::string_view decimalSeparator);
