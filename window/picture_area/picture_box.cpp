// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <functional>

namespace {

// The box's inner area: the box paints its picture here; presses and moves on it fall
// through to the box.
class PictureCanvas : public QWidget {
public:
    using Painting = std::function<void(QPainter&, const QRect&)>;
    PictureCanvas(QWidget* parent, Painting paint) : QWidget(parent), paint_(std::move(paint)) {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        paint_(painter, event->rect());
    }

private:
    Painting paint_;
};

}  // namespace

PictureBox::PictureBox(QWidget* parent, const PlaneZoom* zoom)
    : TwipPlaced(parent, zoom),
      canvas_(new PictureCanvas(this, [this](QPainter& painter, const QRect& exposed) {
          paintPicture(painter, exposed);
      })) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kBorderPixels);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::showPicture(const QImage& picture, bool onWhitePaper, const TwipRect& box,
                             const QImage& whileRead) {
    const bool wasWaiting = scaled_.waitsForPixels();
    const bool samePixels = scaled_.picture().cacheKey() == picture.cacheKey() &&
                            scaled_.onWhitePaper() == onWhitePaper;
    scaled_.setPicture(picture, onWhitePaper);
    if (!whileRead.isNull()) {
        scaled_.showReducedUntilWritten(whileRead);
    } else if (scaled_.waitsForPixels()) {
        scaled_.sharpen(picture.cacheKey());
    }
    if (!(box == twips())) setTwips(box);
    if (!samePixels || wasWaiting != scaled_.waitsForPixels()) canvas_->update();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    canvas_->setGeometry(contentsRect());
}

QSizeF PictureBox::insideTwips() const {
    const float border = toTwips(2 * kBorderPixels);
    return {double(twips().width) - border, double(twips().height) - border};
}

QRect PictureBox::pixelGeometry() const {
    const QSizeF inside = insideTwips() * zoomLevel();
    return QRect(toPixels(twips().left), toPixels(twips().top),
                 toPixels(inside.width()) + 2 * kBorderPixels,
                 toPixels(inside.height()) + 2 * kBorderPixels);
}

void PictureBox::showDetail(const QImage& detail, const QRectF& inPicture, double scale) {
    scaled_.showDetail(detail, inPicture, scale);
    canvas_->update();
}

void PictureBox::paintPicture(QPainter& painter, const QRect& exposed) {
    const QImage& picture = scaled_.picture();
    const QRectF whole(0, 0, picture.width() * zoomLevel(), picture.height() * zoomLevel());
    scaled_.paint(painter, whole, exposed & whole.toAlignedRect());
}
