#include "picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "pointer_position.h"

namespace {

// Paints the box's picture at natural size; presses and moves on it fall through to the box.
class PictureCanvas : public QWidget {
public:
    PictureCanvas(QWidget* parent, const QImage& picture) : QWidget(parent), picture_(picture) {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (picture_.isNull()) return;
        const QRect exposed = event->rect() & picture_.rect();
        if (exposed.isEmpty()) return;
        QPainter(this).drawImage(exposed.topLeft(), picture_, exposed);
    }

private:
    const QImage& picture_;
};

}  // namespace

PictureBox::PictureBox(QWidget* parent)
    : TwipPlaced(parent), canvas_(new PictureCanvas(this, picture_)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kBorderPixels);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    setTwips({twips().left, twips().top, toTwips(picture.width() + 2 * kBorderPixels),
              toTwips(picture.height() + 2 * kBorderPixels)});
    canvas_->update();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(innerTwips(exactPosition(*this, *event)));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(innerTwips(exactPosition(*this, *event)));
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    canvas_->setGeometry(contentsRect());
}

QPointF PictureBox::innerTwips(QPointF pixels) const {
    return toTwips(pixels - QPointF(kBorderPixels, kBorderPixels));
}
