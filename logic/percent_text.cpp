// SPDX-License-Identifier: GPL-3.0-or-later
#include "percent_text.h"

#include <cmath>

#include "decimal_text.h"

namespace {

// The ratio carries the rounding of the few divisions that made it. A percentage within that
// of a whole ten-thousandth is that ten-thousandth: 0.7 / 0.1 reads 700, never 699.9999. The
// tolerance is far below what two clicks can tell apart.
constexpr double kRoundingTolerance = 1e-13;

// Ten-thousandths of a percent, cut.
double cutSteps(double ratio) {
    const double steps = ratio * 1000000;
    const double nearest = std::nearbyint(steps);
    if (std::fabs(steps - nearest) <= kRoundingTolerance * std::fabs(steps)) return nearest;
    return std::floor(steps);
}

}  // namespace

std::string cutPercentText(double ratio, std::string_view decimalSeparator) {
    return decimalText(cutSteps(ratio) / 10000, decimalSeparator);
}

bool isEnlargement(double ratio) { return cutSteps(ratio) >= 1000000; }
