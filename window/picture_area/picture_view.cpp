// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_view.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

QSize scrollBarRoom(QSize content, QSize room, QSize bars) {
    bool across = content.width() > room.width();
    bool down = content.height() > room.height() - (across ? bars.height() : 0);
    if (down && !across) across = content.width() > room.width() - bars.width();
    return {down ? bars.width() : 0, across ? bars.height() : 0};
}

PictureView::PictureView(QWidget& window, QPoint origin)
    : QAbstractScrollArea(&window), plane_(new QWidget(viewport())), origin_(origin) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setBackgroundRole(QPalette::Window);  // as the window around the picture
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(kStepPixels);
        bar->setFocusPolicy(Qt::NoFocus);
    }
}

QSize PictureView::barExtents() const {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {extent, extent};
}

void PictureView::reachTo(QSize client) {
    setGeometry(QRect(origin_, client - QSize(origin_.x(), origin_.y())));
}

void PictureView::setContentEnd(QPoint end) {
    end_ = end;
    updateScrollRanges();
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

// Worked out from the whole view, not the viewport of the moment: a bar shown for an old
// content would otherwise take the room that keeps the new one from needing a bar at all.
void PictureView::updateScrollRanges() {
    const QSize content(std::max(0, end_.x() - origin_.x()), std::max(0, end_.y() - origin_.y()));
    const QSize seen = size() - scrollBarRoom(content, size(), barExtents());
    setRange(horizontalScrollBar(), content.width() - seen.width(), seen.width());
    setRange(verticalScrollBar(), content.height() - seen.height(), seen.height());
    placePlane();
}

void PictureView::setRange(QScrollBar* bar, int contentMaximum, int page) {
    const int value = bar->value();
    bar->setRange(std::min(0, value), std::max({0, contentMaximum, value}));
    bar->setPageStep(page);
}

void PictureView::scrollTo(QPoint scrolled) {
    const auto reach = [](QScrollBar* bar, int value) {
        bar->setRange(std::min(bar->minimum(), value), std::max(bar->maximum(), value));
        bar->setValue(value);
    };
    reach(horizontalScrollBar(), scrolled.x());
    reach(verticalScrollBar(), scrolled.y());
    updateScrollRanges();
}

// Moves what is shown and repaints only the strip that comes into view. A view scrolled beyond
// the content's edges keeps no more of that than where it stands.
void PictureView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
    updateScrollRanges();
}

// Only the plane moves; the widgets on it keep their places, so no twip ever changes.
void PictureView::placePlane() {
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    plane_->setGeometry(QRect(-origin_ - scrolled, QSize(std::max(end_.x(), origin_.x() + 1),
                                                         std::max(end_.y(), origin_.y() + 1))));
}

void PictureView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        // As in every viewer, Ctrl turns the wheel into zoom about the pointer.
        zoomWheelTurned_ += delta.y();
        const int steps = zoomWheelTurned_ / 120;
        zoomWheelTurned_ -= steps * 120;
        if (steps != 0) emit zoomWheel(steps, event->position());
        event->accept();
        return;
    }
    if (!(event->modifiers() & Qt::ShiftModifier) || delta.x() != 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Shift turns the wheel sideways, as in every viewer.
    QScrollBar* bar = horizontalScrollBar();
    const int lines = QApplication::wheelScrollLines();
    bar->setValue(bar->value() - delta.y() * lines * bar->singleStep() / 120);
    event->accept();
}
