#include "stretch_image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "pointer_position.h"

StretchImage::StretchImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void StretchImage::setPicture(const QImage& picture) {
    scaled_.setPicture(picture);
    update();
}

void StretchImage::setTwips(const TwipRect& twips) {
    twips_ = twips;
    placeWidget(*this, twips_);
}

namespace {

float TwipRect::*memberOf(Extent extent) {
    switch (extent) {
        case Extent::Left:
            return &TwipRect::left;
        case Extent::Top:
            return &TwipRect::top;
        case Extent::Width:
            return &TwipRect::width;
        case Extent::Height:
            break;
    }
    return &TwipRect::height;
}

}  // namespace

float StretchImage::extent(Extent extent) const { return twips_.*memberOf(extent); }

void StretchImage::setExtent(Extent extent, float twips) {
    TwipRect next = twips_;
    next.*memberOf(extent) = twips;
    setTwips(next);
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
