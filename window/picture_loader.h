#pragma once

#include <QImage>
#include <QString>
#include <atomic>

// Reading picture files: any format Qt's image plugins decode, upright by the photo's
// orientation tag, one picture pixel per logical pixel.

enum class PictureProblem { None, Missing, Unopenable, Empty, NotAPicture, Damaged, TooLarge };

struct LoadedPicture {
    QImage image;  // in a format that paints without conversion
    PictureProblem problem = PictureProblem::None;
};

// Bounds that keep a hostile file from allocating without limit; a 24-megapixel photo is
// far inside them.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr qint64 kMaxPicturePixels = 100'000'000;

inline bool fitsPictureBounds(qint64 width, qint64 height) {
    return width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// A pure function of the file, safe to run in a worker thread. Once `cancelled` is set, the
// decoder finds the end of the file at its next read, so it stops soon.
LoadedPicture loadPicture(const QString& path, const std::atomic<bool>* cancelled = nullptr);

// The formats of the image plugins that loadPicture reads (some it refuses as unbounded).
QList<QByteArray> readablePictureFormats();

// The reason in the window's language, one sentence.
QString describe(PictureProblem problem);
