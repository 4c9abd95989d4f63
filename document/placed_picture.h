// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "kept_calibrations.h"

#include "twip_rect.h"

// A picture as it lies on the plan (the foreground, or a piece kept beside it): all it takes to
// show it again exactly, and the file to read it from again. A piece of an opened arrangement
// that was not read has no picture: it is kept where it lies in the stack, shown nowhere.
struct PlacedPicture {
    QImage picture;
    bool onWhitePaper = false;
    TwipRect twips;
    int degrees = 0;  // drawn turned about its centre, clockwise, -179 to 180
    double opacity = 1.0;
    QString file;
    int quarterTurns = 0;  // clockwise, of the file's picture
    bool reduced = false;  // fewer pixels than the file's
    QSize filePixels;      // the file's picture as read, upright; invalid where not known
    // The calibration that brought it to the plan's scale, as the foreground's is kept.
    std::optional<KeptCalibration> calibration;

    // The file's pixels as this picture shows them, turned as it is; invalid where not known.
    QSize turnedFilePixels() const {
        return quarterTurns % 2 != 0 ? filePixels.transposed() : filePixels;
    }

    // Pixels compare by identity: a picture shared is the same picture.
    friend bool operator==(const PlacedPicture& a, const PlacedPicture& b) {
        return a.picture.cacheKey() == b.picture.cacheKey() && a.onWhitePaper == b.onWhitePaper &&
               a.twips == b.twips && a.degrees == b.degrees && a.opacity == b.opacity &&
               a.file == b.file && a.quarterTurns == b.quarterTurns && a.reduced == b.reduced &&
               a.filePixels == b.filePixels && a.calibration == b.calibration;
    }
};

// The picture with no more pixels than the plan has where it lies, a pixel of its rectangle to a
// pixel of the plan, times `scale`: what a piece, or a foreground kept for a step back, holds.
PlacedPicture reducedForPlan(PlacedPicture placed, double scale = 1);

// All pieces together hold at most this many pixels (192 MB at four bytes a pixel); beyond it,
// each is held reduced by one factor.
inline constexpr qint64 kPiecesPixelBudget = qint64(48) << 20;
// The factor, at most 1, that keeps pictures in these rectangles, at the plan's density, within
// the budget.
double scaleWithinBudget(qint64 planPixels, qint64 budget = kPiecesPixelBudget);
// The pixels a picture in the rectangle holds at the plan's density.
qint64 planPixels(const TwipRect& twips);

// The picture turned clockwise by quarters, as a picture of the file is kept turned.
QImage turnedByQuarters(const QImage& picture, int quarterTurns);
