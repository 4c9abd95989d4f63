#pragma once

#include <string>
#include <string_view>

#include "currency.h"

// The resize ratio fg / bg as the result message shows it: a percentage cut (not rounded) to
// four decimals. Both scales are exact ten-thousandths, so the percentage is computed from
// their integers: 0.7 over 0.1 reads 700, never 699.9999. The caller has checked that bg is
// not zero and that the ratio is not negative.
std::string cutPercentText(Currency fg, Currency bg, std::string_view decimalSeparator);

// A ratio of at least 1: the foreground was enlarged (or kept its size).
bool isEnlargement(Currency fg, Currency bg);
