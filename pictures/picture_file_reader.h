#pragma once

#include <QImage>
#include <QString>
#include <atomic>

#include "picture_bounds.h"

// Reading a picture file: any format Qt's image plugins decode, upright by the photo's
// orientation tag, one picture pixel per logical pixel.

enum class PictureProblem {
    None,
    Missing,
    Unopenable,
    Empty,
    NotAPicture,
    Damaged,
    TooLarge,
    PasswordProtected,  // a PDF that needs a password to be read
    TooComplex,         // an SVG whose parts are used over and over beyond reason
};

struct ReadPicture {
    QImage image;  // in a format that paints without conversion
    PictureProblem problem = PictureProblem::None;
    // With TooLarge: the most pixels a picture of its kind may have (fewer for kinds whose
    // decoder takes more memory a pixel).
    qint64 pixelBound = kMaxPicturePixels;
    // A page whose paper is left transparent: it is shown on white paper.
    bool onWhitePaper = false;
};

// A pure function of the file, safe to run in a worker thread. Once `cancelled` is set, the
// decoder finds the end of the file at its next read, so it stops soon.
ReadPicture readPictureFile(const QString& path, const std::atomic<bool>* cancelled = nullptr);
