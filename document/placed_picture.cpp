// SPDX-License-Identifier: GPL-3.0-or-later
#include "placed_picture.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

// A turned picture is drawn from its unturned rectangle, so the same bound holds.
PlacedPicture reducedForPlan(PlacedPicture placed, double scale) {
    const QSize most(std::max(1, int(std::ceil(placed.twips.width / kTwipsPerPixel * scale))),
                     std::max(1, int(std::ceil(placed.twips.height / kTwipsPerPixel * scale))));
    const QImage& picture = placed.picture;
    if (picture.isNull()) return placed;
    if (picture.width() <= most.width() && picture.height() <= most.height()) return placed;
    const QImage reduced = picture.scaled(most.boundedTo(picture.size()), Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation);
    if (reduced.isNull()) return placed;  // no memory for a copy: the picture itself stays
    placed.picture = reduced;
    placed.reduced = true;
    return placed;
}

qint64 planPixels(const TwipRect& twips) {
    const auto side = [](float extent) { return qint64(std::ceil(extent / kTwipsPerPixel)); };
    return side(twips.width) * side(twips.height);
}

double scaleWithinBudget(qint64 pixels, qint64 budget) {
    if (pixels <= budget) return 1;
    return std::sqrt(double(budget) / double(pixels));
}

QImage turnedByQuarters(const QImage& picture, int quarterTurns) {
    if (quarterTurns % 4 == 0) return picture;
    return picture.transformed(QTransform().rotate(90 * quarterTurns));
}
