// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>

#include "room.h"
#include "scaled_picture.h"
#include "twip_placed.h"

// A box with a flat one-pixel border that shows its picture unscaled from its inner corner and
// contains other controls. Zoomed, it keeps its
// place and its border, and its inside grows or shrinks with the zoom.
class PictureBox : public TwipPlaced<QFrame> {
    Q_OBJECT
public:
    static constexpr int kBorderPixels = kBoxBorderPixels;

    // On the picture plane it follows the plane's zoom; elsewhere it stays at 100 %.
    explicit PictureBox(QWidget* parent, const PlaneZoom* zoom = nullptr);

    // The container for the controls inside; its origin is the inner top-left corner, and its
    // presses and moves fall through to the box.
    QWidget* contents() const { return canvas_; }

    const QImage& picture() const { return scaled_.picture(); }
    // Shows the picture in a box of this outer place and size (the picture and its border);
    // `whileRead`: a reduced copy to paint until its pixels are written (null: they are).
    void showPicture(const QImage& picture, bool onWhitePaper, const TwipRect& box,
                     const QImage& whileRead = {});

    // The part `inPicture` of a drawing, drawn again at `scale` of its pixels for a zoomed view.
    void showDetail(const QImage& detail, const QRectF& inPicture, double scale);

    // What the picture is painted from (for tests).
    const ScaledPicture& scaledPicture() const { return scaled_; }
    // The width and height inside the border, in twips.
    QSizeF insideTwips() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    QRect pixelGeometry() const override;

private:
    void paintPicture(QPainter& painter, const QRect& exposed);

    ScaledPicture scaled_;
    QWidget* canvas_;
};
