// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <functional>

// A large picture that opens at a small zoom is shown first from a reduced copy, made before
// (or instead of) the work on its whole pixels, so that it is on the screen at once.

// The largest scale a picture will be shown at when it opens, in screen pixels a picture pixel:
// `level`, or less where the picture is shown whole in `room` (none: no bound), but never less
// than `smallest`, the smallest level the view takes.
struct FirstView {
    double level = 0;  // 0: the picture is not shown reduced first
    QSize room;
    double smallest = 0;
};

// How many times the picture can be halved and still be as sharp as the view needs: 0 when the
// view needs more than half of its pixels.
int firstHalvings(QSize size, const FirstView& view);

// Told of a reduced copy, with the size and display format the whole picture will have, and the
// resolution its file states (empty: none).
using FirstPictureReady = std::function<void(const QImage& reduced, QSize size,
                                             QImage::Format format, QSizeF dotsPerInch)>;

struct FirstPicture {
    FirstView view;
    FirstPictureReady ready = {};
    // Told the reduced copy's bytes, four a pixel, as soon as its size is known: before the
    // decoding it waits for.
    std::function<void(qint64 bytes)> aboutToReduce = {};
    // Memory the reduced copy is decoded straight into where the decoder lets it: it then
    // needs no copy there.
    uchar* reduceInto = nullptr;
    qint64 reduceIntoBytes = 0;
};

// The size of a picture halved `halvings` times: each side rounded up.
QSize halvedSize(QSize size, int halvings);

// The picture halved `halvings` times in one pass over its pixels (halvedSize), each output pixel
// the mean of the square of pixels it stands for, in a format that paints without conversion.
QImage reducedInOnePass(const QImage& picture, int halvings);
