// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "kept_calibrations.h"

// A picture as an arrangement keeps it: its file, and where and how it lies on the plan. The
// place and size are the window's single-precision twips; the turn is the file's picture turned
// clockwise by quarters, then drawn turned by whole degrees about its centre.
struct KeptPicture {
    QString file;  // absolute
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    int quarterTurns = 0;  // 0 to 3
    int degrees = 0;       // -179 to 180
    double opacity = 1.0;  // 0.1 to 1
    // The file's picture, upright, as it was read when kept: a file changed since is told.
    // Not known (invalid) in files kept before it was written.
    QSize pixels{};
    // A piece's own calibration, which brought it to the plan's scale.
    std::optional<KeptCalibration> calibration{};
    friend bool operator==(const KeptPicture&, const KeptPicture&) = default;
};

// The paper last chosen for pages at a scale, by its name ("A4", "A3").
struct KeptPage {
    QString paper;
    bool landscape = false;
    int denominator = 100;
    friend bool operator==(const KeptPage&, const KeptPage&) = default;
};

// A furnished plan: the background, its calibration and the current foreground's, the current
// foreground (if one is shown) and the pieces, bottom first, however many.
struct Arrangement {
    QString background;  // absolute; empty if none was open
    int backgroundPage = 0;  // of a plan of pages, from 0
    std::optional<KeptPicture> foreground;
    std::vector<KeptPicture> pieces;
    KeptCalibrations calibrations;
    std::optional<KeptPage> page;
    friend bool operator==(const Arrangement&, const Arrangement&) = default;
};
