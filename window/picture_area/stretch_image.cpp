// SPDX-License-Identifier: GPL-3.0-or-later
#include "stretch_image.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

// A turn by whole degrees about a rectangle's centre.
QTransform turnAbout(const QRectF& rect, int degrees) {
    const QPointF centre = rect.center();
    return QTransform::fromTranslate(-centre.x(), -centre.y()) * QTransform().rotate(degrees) *
           QTransform::fromTranslate(centre.x(), centre.y());
}

}  // namespace

StretchImage::StretchImage(QWidget* parent, const PlaneZoom& zoom) : TwipPlaced(parent, &zoom) {
    setMouseTracking(true);
}

void StretchImage::showPicture(const PlacedPicture& placed, const QImage& whileRead) {
    const bool samePixels = placed.picture.cacheKey() == picture().cacheKey() &&
                            placed.onWhitePaper == scaled_.onWhitePaper();
    const bool repaint = !samePixels || placed.opacity != opacity_ || placed.degrees != degrees_ ||
                         whileRead.isNull() == scaled_.waitsForPixels();
    scaled_.setPicture(placed.picture, placed.onWhitePaper);
    if (!whileRead.isNull()) {
        scaled_.showReducedUntilWritten(whileRead);
    } else if (scaled_.waitsForPixels()) {
        scaled_.sharpen(placed.picture.cacheKey());
    }
    opacity_ = placed.opacity;
    if (placed.degrees != degrees_ || !(placed.twips == twips())) {
        degrees_ = placed.degrees;
        setTwips(placed.twips);
    }
    if (repaint) update();
}

QRectF StretchImage::unturnedRect() const {
    const double scale = zoomLevel() / kTwipsPerPixel;
    const TwipRect& at = twips();
    return {at.left * scale, at.top * scale, at.width * scale, at.height * scale};
}

QPolygonF StretchImage::turnedCorners() const {
    const QRectF rect = unturnedRect();
    return turnAbout(rect, degrees_).map(QPolygonF(rect));
}

QRect StretchImage::pixelGeometry() const {
    if (degrees_ == 0) return TwipPlaced::pixelGeometry();
    return turnedCorners().boundingRect().toAlignedRect();
}

// A drag moves the image without changing its outline: the mask is made again only when the
// outline changes.
void StretchImage::placed() {
    const QPolygon outline =
        degrees_ == 0 ? QPolygon() : turnedCorners().translated(-QPointF(pos())).toPolygon();
    if (outline == outline_) return;
    outline_ = outline;
    if (outline.isEmpty()) {
        clearMask();
    } else {
        setMask(QRegion(outline));
    }
}

bool StretchImage::showsPictureAt(QPoint local) const {
    return rect().contains(local) && (mask().isEmpty() || mask().contains(local));
}

void StretchImage::paintEvent(QPaintEvent* event) {
    const QRect exposed = event->rect() & rect();
    if (exposed.isEmpty()) return;
    QPainter painter(this);
    if (opacity_ < 1.0) painter.setOpacity(opacity_);
    if (degrees_ == 0) {
        scaled_.paint(painter, QRectF(rect()), exposed);
        return;
    }
    const QRectF whole = unturnedRect().translated(-QPointF(pos()));
    const QTransform turn = turnAbout(whole, degrees_);
    painter.setTransform(turn);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect unturned = turn.inverted().mapRect(QRectF(exposed)).toAlignedRect();
    scaled_.paint(painter, whole, unturned & whole.toAlignedRect());
}
