#include "placed_picture.h"

#include <cmath>

// A turned picture is drawn from its unturned rectangle, so the same bound holds.
PlacedPicture reducedForPlan(PlacedPicture placed, double largestLevel) {
    const QSize most(int(std::ceil(placed.twips.width / kTwipsPerPixel * largestLevel)),
                     int(std::ceil(placed.twips.height / kTwipsPerPixel * largestLevel)));
    const QImage& picture = placed.picture;
    if (picture.isNull() || most.isEmpty()) return placed;
    if (picture.width() <= most.width() && picture.height() <= most.height()) return placed;
    placed.picture = picture.scaled(most.boundedTo(picture.size()), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    placed.reduced = true;
    return placed;
}
