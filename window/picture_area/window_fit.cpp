// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fit.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "picture_view.h"

namespace {

// The distance that brings [low, high] inside [lowest, highest], preferring the low side.
int shiftInside(int low, int high, int lowest, int highest) {
    const int shift = std::min(0, highest - high);
    return std::max(shift, lowest - low);
}

}  // namespace

QMargins frameMargins(const QWidget& window) {
    const QWindow* shown = window.windowHandle();
    return shown ? shown->frameMargins() : QMargins();
}

void fitWindowTo(QWidget& window, PictureView& view, QPoint end, const QMargins& margins) {
    const QRect client = window.geometry();
    const QRect frame = client.marginsAdded(margins);
    const QSize frameExtra = frame.size() - client.size();
    const QRect available = window.screen() ? window.screen()->availableGeometry() : QRect();

    QSize size(end.x(), end.y());
    if (available.isValid()) {
        // Everything if it fits; else as much as fits, with room for the bars then needed.
        const QSize room = available.size() - frameExtra;
        size = (size + scrollBarRoom(size, room, view.barExtents())).boundedTo(room);
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

bool exceedsFreeArea(const QWidget& window) {
    const QWindow* shown = window.windowHandle();
    const QScreen* screen = window.screen();
    return shown && screen && !screen->availableGeometry().contains(shown->frameGeometry());
}

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        const QRect frame = window.frameGeometry();
        window.move(screen->availableGeometry().center() -
                    QPoint(frame.width() / 2, frame.height() / 2));
    }
}
