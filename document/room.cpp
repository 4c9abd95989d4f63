// SPDX-License-Identifier: GPL-3.0-or-later
#include "room.h"

TwipRect boxAround(const QImage& picture, float left, float top) {
    return {left, top, float((picture.width() + 2 * kBoxBorderPixels) * kTwipsPerPixel),
            float((picture.height() + 2 * kBoxBorderPixels) * kTwipsPerPixel)};
}
