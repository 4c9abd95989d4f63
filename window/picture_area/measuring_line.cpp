// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuring_line.h"

#include <QEvent>
#include <QPainter>

MeasuringLine::MeasuringLine(QWidget* container, const PlaneZoom& zoom, QColor colour)
    : QWidget(container), colour_(colour), zoom_(zoom) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(container->rect());
    container->installEventFilter(this);
    connect(&zoom, &PlaneZoom::changed, this, qOverload<>(&QWidget::update));
}

void MeasuringLine::setEnds(const LineEnds& ends) {
    if (ends == ends_) return;
    // Repaint only where the line was and where it goes.
    const QRect before = pixelBounds();
    ends_ = ends;
    update(before | pixelBounds());
}

QRect MeasuringLine::pixelBounds() const {
    return QRect(zoom_.pixelsAt({ends_.x1, ends_.y1}), zoom_.pixelsAt({ends_.x2, ends_.y2}))
        .normalized()
        .adjusted(-1, -1, 1, 1);
}

void MeasuringLine::paintEvent(QPaintEvent*) {
    if (ends_.x1 == ends_.x2 && ends_.y1 == ends_.y2) return;
    QPainter painter(this);
    painter.setPen(QPen(colour_, 0));  // cosmetic: one pixel wide
    painter.drawLine(zoom_.pixelsAt({ends_.x1, ends_.y1}), zoom_.pixelsAt({ends_.x2, ends_.y2}));
}

bool MeasuringLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
