#include "placed_picture.h"

#include <QTransform>
#include <cmath>

// A turned picture is drawn from its unturned rectangle, so the same bound holds.
PlacedPicture reducedForPlan(PlacedPicture placed) {
    const QSize most(int(std::ceil(placed.twips.width / kTwipsPerPixel * kLargestZoomLevel)),
                     int(std::ceil(placed.twips.height / kTwipsPerPixel * kLargestZoomLevel)));
    const QImage& picture = placed.picture;
    if (picture.isNull() || most.isEmpty()) return placed;
    if (picture.width() <= most.width() && picture.height() <= most.height()) return placed;
    placed.picture = picture.scaled(most.boundedTo(picture.size()), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    placed.reduced = true;
    return placed;
}

QImage turnedByQuarters(const QImage& picture, int quarterTurns) {
    if (quarterTurns % 4 == 0) return picture;
    return picture.transformed(QTransform().rotate(90 * quarterTurns));
}
