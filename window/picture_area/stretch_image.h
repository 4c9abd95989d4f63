#pragma once

#include <QImage>
#include <QPolygon>
#include <QPolygonF>
#include <QWidget>

#include "placed_picture.h"
#include "scaled_picture.h"
#include "twip_placed.h"

// The foreground: stretches its picture to its own rectangle, which takes the pointer with or
// without a picture. Turned by whole degrees, the rectangle (its twips, its width and height)
// stays the picture's own, unturned: the picture is drawn turned about its centre, and only the
// turned picture takes the pointer.
class StretchImage : public TwipPlaced<QWidget> {
    Q_OBJECT
public:
    StretchImage(QWidget* parent, const PlaneZoom& zoom);

    const QImage& picture() const { return scaled_.picture(); }
    void setPicture(const QImage& picture, bool onWhitePaper = false);

    // From 1 (the picture's own pixels) down to see-through; no coordinate changes.
    double opacity() const { return opacity_; }
    void setOpacity(double opacity);
    // See-through in tenths, from the picture's own pixels down to one tenth.
    void stepOpacity(int tenths);

    // Turns the picture a quarter about the image's centre: its width and height swap exactly
    // and the centre stays where it was.
    void turnQuarter(bool clockwise);
    // Turns the drawn picture by whole degrees about its centre (clockwise for positive);
    // no twip changes, so turning back gives exactly the picture before.
    void turnDegrees(int degrees);
    // The turn beyond quarter turns, -179 to 180, clockwise positive.
    int degrees() const { return degrees_; }

    // The file the picture was read from, to read it again.
    const QString& file() const { return file_; }
    void setFile(const QString& file) { file_ = file; }

    // All of it, to keep and to show again exactly.
    PlacedPicture placedPicture() const;
    void setPlacedPicture(const PlacedPicture& placed);

    // Whether the drawn picture, turned or not, covers this point of the widget.
    bool showsPictureAt(QPoint local) const;

    // Shown from a reduced copy until the picture's pixels are written, then sharp.
    void showReducedUntilWritten(const QImage& reduced);
    void sharpen(qint64 pictureKey);

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
    QString file_;
    int quarterTurns_ = 0;
    bool reduced_ = false;
};
