#include "stretch_image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "pointer_position.h"

StretchImage::StretchImage(QWidget* parent) : TwipPlaced(parent) { setMouseTracking(true); }

void StretchImage::setPicture(const QImage& picture) {
    scaled_.setPicture(picture);
    update();
}

void StretchImage::paintEvent(QPaintEvent* event) {
    const QRect exposed = event->rect() & rect();
    if (exposed.isEmpty()) return;
    QPainter painter(this);
    scaled_.paint(painter, QRectF(rect()), exposed);
}

void StretchImage::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(toTwips(exactPosition(*this, *event)));
}

void StretchImage::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(toTwips(exactPosition(*this, *event)));
}

void StretchImage::mouseReleaseEvent(QMouseEvent*) { emit mouseUp(); }
