// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPolygon>
#include <QPolygonF>
#include <QWidget>

#include "placed_picture.h"
#include "scaled_picture.h"
#include "twip_placed.h"

// A picture on the plan (the foreground, or a piece): stretches its picture to its own
// rectangle, which takes the pointer with or without a picture. Turned by whole degrees, the
// rectangle (its twips, its width and height) stays the picture's own, unturned: the picture is
// drawn turned about its centre, and only the turned picture takes the pointer.
class StretchImage : public TwipPlaced<QWidget> {
    Q_OBJECT
public:
    StretchImage(QWidget* parent, const PlaneZoom& zoom);

    // Shows the picture as it lies; `whileRead`: a reduced copy to paint until its pixels are
    // written (null: they are). Only what changed is done again.
    void showPicture(const PlacedPicture& placed, const QImage& whileRead = {});

    const QImage& picture() const { return scaled_.picture(); }
    double opacity() const { return opacity_; }
    int degrees() const { return degrees_; }

    // Whether the drawn picture, turned or not, covers this point of the widget.
    bool showsPictureAt(QPoint local) const;

    // What the picture is painted from (for tests).
    const ScaledPicture& scaledPicture() const { return scaled_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    QRect pixelGeometry() const override;
    void placed() override;

private:
    // The image's rectangle, and its corners turned, in the picture plane's pixels.
    QRectF unturnedRect() const;
    QPolygonF turnedCorners() const;

    // Only the visible part is stretched, at each paint: no stretched copy of the whole is kept.
    ScaledPicture scaled_;
    double opacity_ = 1.0;
    int degrees_ = 0;
    QPolygon outline_;  // of the mask; empty while the picture is not turned
};
