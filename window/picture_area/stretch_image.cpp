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

void StretchImage::setPicture(const QImage& picture, bool onWhitePaper) {
    scaled_.setPicture(picture, onWhitePaper);
    degrees_ = 0;  // a new picture comes as it is
    quarterTurns_ = 0;
    reduced_ = false;
    place();
    update();
}

void StretchImage::showReducedUntilWritten(const QImage& reduced) {
    scaled_.showReducedUntilWritten(reduced);
    update();
}

void StretchImage::sharpen(qint64 pictureKey) {
    if (scaled_.sharpen(pictureKey)) update();
}

PlacedPicture StretchImage::placedPicture() const {
    return {picture(), scaled_.onWhitePaper(), twips(), degrees_, opacity_,
            file_,     quarterTurns_,          reduced_};
}

void StretchImage::setPlacedPicture(const PlacedPicture& placed) {
    scaled_.setPicture(placed.picture, placed.onWhitePaper);
    degrees_ = placed.degrees;
    opacity_ = placed.opacity;
    file_ = placed.file;
    quarterTurns_ = placed.quarterTurns;
    reduced_ = placed.reduced;
    setTwips(placed.twips);
    update();
}

void StretchImage::setOpacity(double opacity) {
    if (opacity == opacity_) return;
    opacity_ = opacity;
    update();
}

void StretchImage::stepOpacity(int tenths) {
    const int now = int(std::lround(opacity_ * 10));
    setOpacity(std::clamp(now + tenths, 1, 10) / 10.0);
}

void StretchImage::turnQuarter(bool clockwise) {
    if (!picture().isNull()) {
        scaled_.setPicture(picture().transformed(QTransform().rotate(clockwise ? 90 : -90)),
                           scaled_.onWhitePaper());
        quarterTurns_ = (quarterTurns_ + (clockwise ? 1 : 3)) % 4;
    }
    const TwipRect before = twips();
    const double centreX = double(before.left) + before.width / 2.0;
    const double centreY = double(before.top) + before.height / 2.0;
    setTwips({float(centreX - before.height / 2.0), float(centreY - before.width / 2.0),
              before.height, before.width});
    update();
}

void StretchImage::turnDegrees(int degrees) {
    degrees_ = ((degrees_ + degrees + 179) % 360 + 360) % 360 - 179;
    place();
    update();
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
