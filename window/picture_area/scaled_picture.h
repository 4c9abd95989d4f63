// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <map>

class QPainter;
class QRect;
class QRectF;

// A picture painted at any scale, a part at a time, from no more pixels than the scale needs:
// at half its size and above from the picture itself, below that from a copy reduced by a
// power of two. Each reduced copy is made once, when first needed, from the nearest larger one,
// and kept: together they hold less than a third of the picture's pixels. From twice its size up
// the picture's pixels are drawn as squares, sharp, as viewers show them.
class ScaledPicture {
public:
    const QImage& picture() const { return picture_; }
    // On white paper: where the picture is transparent, white shows (a PDF page's paper).
    void setPicture(const QImage& picture, bool onWhitePaper = false);
    bool onWhitePaper() const { return onWhitePaper_; }

    // Until the picture's pixels are written: painted from this reduced copy at every scale,
    // enlarged where the view needs more.
    void showReducedUntilWritten(const QImage& reduced);
    // The pixels of the picture `pictureKey` (its cache key) are written: it is painted from them
    // from now on, the reduced copy kept as the first of its reduced copies. False when this is
    // not that picture, or it was already sharp.
    bool sharpen(qint64 pictureKey);
    bool waitsForPixels() const { return !reducedFirst_.isNull(); }

    // A drawing zoomed beyond its own resolution: the part `inPicture` (in the picture's pixels)
    // drawn again at `scale` of them, painted over the picture wherever the view is zoomed
    // beyond its own pixels. Dropped with the picture.
    void showDetail(const QImage& detail, const QRectF& inPicture, double scale);
    // The part drawn again, in the picture's pixels, and the scale it was drawn at (0: none).
    const QRectF& detailPart() const { return detailPart_; }
    double detailScale() const { return detail_.isNull() ? 0 : detailScale_; }

    // Paints the part `exposed` of the picture stretched over `whole` (both in the painter's
    // pixels).
    void paint(QPainter& painter, const QRectF& whole, const QRect& exposed);

    // The pixels of all reduced copies kept (for tests and benchmarks).
    qint64 reducedPixels() const;

private:
    const QImage& sourceFor(double scale);
    void paintPixels(QPainter& painter, const QRectF& whole, const QRect& exposed);
    void paintDetail(QPainter& painter, const QRectF& shown, const QRect& exposed,
                     double devicePixels);

    QImage picture_;
    bool onWhitePaper_ = false;
    std::map<int, QImage> reduced_;  // by the number of halvings: 1 is half the size
    QImage reducedFirst_;            // while the picture's pixels are being written
    QImage detail_;
    QRectF detailPart_;
    double detailScale_ = 0;
};
