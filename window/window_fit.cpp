#include "window_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "picture_view.h"

QSize fittedClientSize(QSize end, QSize room, QSize bars) {
    QSize wanted = end;
    bool acrossTooWide = wanted.width() > room.width();
    if (acrossTooWide) wanted.rheight() += bars.height();
    if (wanted.height() > room.height()) {
        wanted.rwidth() += bars.width();
        if (!acrossTooWide && wanted.width() > room.width()) wanted.rheight() += bars.height();
    }
    return wanted.boundedTo(room);
}

namespace {

// The distance that brings [low, high] inside [lowest, highest], preferring the low side.
int shiftInside(int low, int high, int lowest, int highest) {
    const int shift = std::min(0, highest - high);
    return std::max(shift, lowest - low);
}

}  // namespace

void fitWindowTo(QWidget& window, PictureView& view, QPoint end) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QSize frameExtra = frame.size() - client.size();
    const QRect available = window.screen() ? window.screen()->availableGeometry() : QRect();

    QSize size(end.x(), end.y());
    if (available.isValid()) {
        size = fittedClientSize(size, available.size() - frameExtra, view.barExtents());
    }
    window.setFixedSize(size);
    view.reachTo(size);  // at once: the window may learn its new size only later
    view.setContentEnd(end);
    if (!available.isValid()) return;

    const QRect after(frame.topLeft(), size + frameExtra);
    const QPoint shift(
        shiftInside(after.left(), after.right(), available.left(), available.right()),
        shiftInside(after.top(), after.bottom(), available.top(), available.bottom()));
    if (!shift.isNull()) window.move(window.pos() + shift);
}
