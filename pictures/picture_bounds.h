// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Bounds that keep a hostile file from allocating without limit; a 24-megapixel photo and an
// A0 plan scanned at 300 dpi are far inside them.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr qint64 kMaxPicturePixels = 100'000'000;

inline bool fitsPictureBounds(qint64 width, qint64 height) {
    return width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// What decoding may cost at most: the picture and the decoder's own working memory.
inline constexpr qint64 kMaxDecodingBytes = 850LL * 1024 * 1024;
