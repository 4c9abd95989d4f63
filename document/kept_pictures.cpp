// SPDX-License-Identifier: GPL-3.0-or-later
#include "kept_pictures.h"

#include <algorithm>
#include <utility>

KeptPicture keptPicture(const PlacedPicture& placed) {
    const TwipRect& at = placed.twips;
    return {placed.file,         at.left,        at.top,         at.width,          at.height,
            placed.quarterTurns, placed.degrees, placed.opacity, placed.filePixels, placed.calibration};
}

bool changedSinceKept(const KeptPicture& kept, const QImage& read) {
    return !read.isNull() && kept.pixels.isValid() && kept.pixels != read.size();
}

PlacedPicture placedPicture(const KeptPicture& kept, const QImage& read, bool onWhitePaper) {
    PlacedPicture placed;
    placed.picture = turnedByQuarters(read, kept.quarterTurns);
    placed.onWhitePaper = onWhitePaper;
    placed.twips = {kept.left, kept.top, kept.width, kept.height};
    if (changedSinceKept(kept, read)) {
        // As many millimetres a pixel as when kept: the rectangle grows with the picture.
        double across = double(read.width()) / kept.pixels.width();
        double down = double(read.height()) / kept.pixels.height();
        if (kept.quarterTurns % 2 != 0) std::swap(across, down);
        placed.twips.width = float(std::min(kept.width * across, kLargestControlExtent));
        placed.twips.height = float(std::min(kept.height * down, kLargestControlExtent));
    }
    placed.degrees = kept.degrees;
    placed.opacity = kept.opacity;
    placed.file = kept.file;
    placed.quarterTurns = kept.quarterTurns;
    placed.filePixels = read.isNull() ? kept.pixels : read.size();
    placed.calibration = kept.calibration;
    return placed;
}
