#pragma once

#include <QFrame>
#include <QImage>

#include "scaled_picture.h"
#include "twip_placed.h"

// A box with a flat one-pixel border that shows its picture unscaled from its inner corner,
// sizes itself to every picture it is given, and contains other controls. Zoomed, it keeps its
// place and its border, and its inside grows or shrinks with the zoom.
class PictureBox : public TwipPlaced<QFrame> {
    Q_OBJECT
public:
    static constexpr int kBorderPixels = 1;

    // On the picture plane it follows the plane's zoom; elsewhere it stays at 100 %.
    explicit PictureBox(QWidget* parent, const PlaneZoom* zoom = nullptr);

    // The container for the controls inside; its origin is the inner top-left corner, and its
    // presses and moves fall through to the box.
    QWidget* contents() const { return canvas_; }

    const QImage& picture() const { return scaled_.picture(); }
    // Shown from a reduced copy until the picture's pixels are written, then sharp.
    void showReducedUntilWritten(const QImage& reduced);
    void sharpen(qint64 pictureKey);

    // What the picture is painted from (for tests).
    const ScaledPicture& scaledPicture() const { return scaled_; }
    // The width and height inside the border, in twips.
    QSizeF insideTwips() const;
    // The outer size becomes the picture's size plus the border on each side.
    void setPicture(const QImage& picture, bool onWhitePaper = false);

protected:
    void resizeEvent(QResizeEvent* event) override;
    QRect pixelGeometry() const override;

private:
    void paintPicture(QPainter& painter, const QRect& exposed);

    ScaledPicture scaled_;
    QWidget* canvas_;
};
