// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "arrangement.h"
#include "placed_picture.h"

// A picture on the plan as an arrangement file keeps it, and back: the file's picture turned as
// it was kept, where it lay (with no picture, for a file that was not read).
KeptPicture keptPicture(const PlacedPicture& placed);
// A picture whose file has other pixels than when it was kept is placed at the scale it was kept
// at: its rectangle keeps its millimetres a pixel.
PlacedPicture placedPicture(const KeptPicture& kept, const QImage& read, bool onWhitePaper);
bool changedSinceKept(const KeptPicture& kept, const QImage& read);
