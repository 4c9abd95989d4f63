// SPDX-License-Identifier: GPL-3.0-or-later
#include "edge_auto_scroll.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>

namespace {

constexpr int kEdgePixels = 16;
constexpr int kIntervalMilliseconds = 25;
constexpr int kMaxStep = 60;

// Pixels to scroll for a pointer `depth` pixels into the edge band (or past the edge).
int stepFor(int depth) {
    if (depth <= 0) return 0;
    return std::min(kMaxStep, 2 + depth / 2);
}

}  // namespace

EdgeAutoScroll::EdgeAutoScroll(QAbstractScrollArea& view, std::function<bool()> wanted)
    : view_(view), wanted_(std::move(wanted)) {
    timer_.setInterval(kIntervalMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &EdgeAutoScroll::step);
    qApp->installEventFilter(this);
}

EdgeAutoScroll::~EdgeAutoScroll() { qApp->removeEventFilter(this); }

bool EdgeAutoScroll::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWindowType() || watched != view_.window()->windowHandle()) return false;
    switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            pointer_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            pointerInWindow_ = true;
            if (!timer_.isActive() && wanted_() && !push().isNull()) timer_.start();
            break;
        case QEvent::Leave:
            pointerInWindow_ = false;
            break;
        default:
            break;
    }
    return false;
}

QPoint EdgeAutoScroll::push() const {
    const QWidget* viewport = view_.viewport();
    const QPoint at = viewport->mapFromGlobal(pointer_);
    const bool held = QGuiApplication::mouseButtons() != Qt::NoButton;
    // Without a button nothing keeps the pointer: only the band inside the view counts.
    if (!held && (!pointerInWindow_ || !viewport->rect().contains(at))) return {};
    const QSize seen = viewport->size();
    return {stepFor(at.x() - (seen.width() - kEdgePixels)) - stepFor(kEdgePixels - at.x()),
            stepFor(at.y() - (seen.height() - kEdgePixels)) - stepFor(kEdgePixels - at.y())};
}

void EdgeAutoScroll::step() {
    const QPoint by = push();
    if (!wanted_() || by.isNull()) {
        timer_.stop();
        return;
    }
    QScrollBar* across = view_.horizontalScrollBar();
    QScrollBar* down = view_.verticalScrollBar();
    const QPoint before(across->value(), down->value());
    across->setValue(before.x() + by.x());
    down->setValue(before.y() + by.y());
    if (QPoint(across->value(), down->value()) == before) {
        timer_.stop();  // the far end is reached
        return;
    }
    emit scrolledUnderPointer(pointer_);
}
