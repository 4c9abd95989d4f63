// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// A pointer event at a fractional position of a control, in its pixels, delivered to it as the
// window would, with the left button as the one pressed or released.
inline void sendPointer(QWidget* target, QEvent::Type type, QPointF local, Qt::MouseButtons held,
                        quint64 milliseconds = 0) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, target->mapTo(target->window(), local),
                      target->mapToGlobal(local), button, held, Qt::NoModifier);
    event.setTimestamp(milliseconds);
    QApplication::sendEvent(target, &event);
}
