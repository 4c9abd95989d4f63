// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "picture_file_reader.h"

// The N of a drawing scale as typed: "1:50", "1／50" or "50" alone, in any width of digits;
// none where it is no whole number from 1 to the largest a plan is drawn at.
std::optional<int> drawingScaleFrom(const QString& typed);

// What a plan's paper gives at a drawing scale of 1:N: its millimetres a twip, exact, or the
// reason there is none.
struct PaperScale {
    double mmPerTwip = 0;  // 0: none, for `refusal`
    QString refusal;
    // A raster plan's scale rests on the resolution its file states, which the user confirms:
    // this says which and what follows from it.
    QString question;
};
PaperScale paperScale(const PaperFacts& paper, int drawingScale, const QString& decimalSeparator);

// The most and least resolution a scanned plan is read at.
inline constexpr double kLeastScanDotsPerInch = 100;
inline constexpr double kMostScanDotsPerInch = 12800;
