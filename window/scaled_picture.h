#pragma once

#include <QImage>

class QPainter;
class QRect;
class QRectF;

// A picture painted at any scale, a part at a time, from no more pixels than the scale needs:
// at half its size and above from the picture itself, below that from one copy reduced by a
// power of two, made once for that power and never larger than a quarter of the picture.
class ScaledPicture {
public:
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    // Paints the part `exposed` of the picture stretched over `whole` (both in the painter's
    // pixels).
    void paint(QPainter& painter, const QRectF& whole, const QRect& exposed);

    // The reduced copy in use, or null (for tests).
    const QImage* reducedCopy() const { return reduced_.isNull() ? nullptr : &reduced_; }

private:
    const QImage& sourceFor(double scale);

    QImage picture_;
    QImage reduced_;
    int halvings_ = 0;  // of reduced_
};
