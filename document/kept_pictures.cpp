#include "kept_pictures.h"

KeptPicture keptPicture(const PlacedPicture& placed) {
    const TwipRect& at = placed.twips;
    return {placed.file,         at.left,        at.top,        at.width, at.height,
            placed.quarterTurns, placed.degrees, placed.opacity};
}

PlacedPicture placedPicture(const KeptPicture& kept, const QImage& read, bool onWhitePaper) {
    PlacedPicture placed;
    placed.picture = turnedByQuarters(read, kept.quarterTurns);
    placed.onWhitePaper = onWhitePaper;
    placed.twips = {kept.left, kept.top, kept.width, kept.height};
    placed.degrees = kept.degrees;
    placed.opacity = kept.opacity;
    placed.file = kept.file;
    placed.quarterTurns = kept.quarterTurns;
    return placed;
}
