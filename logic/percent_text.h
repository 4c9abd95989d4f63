// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The resize ratio as the result message shows it: a percentage cut (not rounded) to four
// decimals. The ratio is not negative.
std::string cutPercentText(double ratio, std::string_view decimalSeparator);

// A ratio whose cut percentage is at least 100: the foreground was enlarged (or kept its size).
bool isEnlargement(double ratio);
