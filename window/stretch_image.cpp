#include "stretch_image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTransform>

#include "pointer_position.h"

StretchImage::StretchImage(QWidget* parent) : TwipPlaced(parent) { setMouseTracking(true); }

void StretchImage::setPicture(const QImage& picture, bool onWhitePaper) {
    scaled_.setPicture(picture, onWhitePaper);
    update();
}

void StretchImage::setOpacity(double opacity) {
    if (opacity == opacity_) return;
    opacity_ = opacity;
    update();
}

void StretchImage::turnQuarter(bool clockwise) {
    if (!picture().isNull()) {
        scaled_.setPicture(picture().transformed(QTransform().rotate(clockwise ? 90 : -90)),
                           scaled_.onWhitePaper());
    }
    const TwipRect before = twips();
    const double centreX = double(before.left) + before.width / 2.0;
    const double centreY = double(before.top) + before.height / 2.0;
    setTwips({float(centreX - before.height / 2.0), float(centreY - before.width / 2.0),
              before.height, before.width});
    update();
}

void StretchImage::paintEvent(QPaintEvent* event) {
    const QRect exposed = event->rect() & rect();
    if (exposed.isEmpty()) return;
    QPainter painter(this);
    if (opacity_ < 1.0) painter.setOpacity(opacity_);
    scaled_.paint(painter, QRectF(rect()), exposed);
}

void StretchImage::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(twipsAt(exactPosition(*this, *event)));
}

void StretchImage::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(twipsAt(exactPosition(*this, *event)));
}

void StretchImage::mouseReleaseEvent(QMouseEvent*) { emit mouseUp(); }
