#include "stretch_image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

StretchImage::StretchImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void StretchImage::setPicture(const QImage& picture) {
    picture_ = picture;
    stretched_ = QImage();
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

bool StretchImage::refreshStretchedCopy() {
    if (stretched_.size() == size()) return true;
    stretched_ = QImage();
    if (qint64(width()) * height() > kMaxStretchedPixels) return false;
    stretched_ = picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return !stretched_.isNull();
}

void StretchImage::paintEvent(QPaintEvent* event) {
    if (picture_.isNull() || width() <= 0 || height() <= 0) return;
    const QRect exposed = event->rect() & rect();
    if (exposed.isEmpty()) return;
    QPainter painter(this);
    if (refreshStretchedCopy()) {
        // A move only blits: the picture was stretched once for this size.
        painter.drawImage(exposed.topLeft(), stretched_, exposed);
        return;
    }
    const double scaleX = double(picture_.width()) / width();
    const double scaleY = double(picture_.height()) / height();
    const QRectF source(exposed.x() * scaleX, exposed.y() * scaleY, exposed.width() * scaleX,
                        exposed.height() * scaleY);
    painter.drawImage(QRectF(exposed), picture_, source);
}

void StretchImage::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(toTwips(event->position()));
}

void StretchImage::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(toTwips(event->position()));
}

void StretchImage::mouseReleaseEvent(QMouseEvent*) { emit mouseUp(); }
