#pragma once

#include <QImage>

#include "arrangement.h"
#include "placed_picture.h"

// A picture on the plan as an arrangement file keeps it, and back: the file's picture turned as
// it was kept, where it lay.
KeptPicture keptPicture(const PlacedPicture& placed);
PlacedPicture placedPicture(const KeptPicture& kept, const QImage& read, bool onWhitePaper);
