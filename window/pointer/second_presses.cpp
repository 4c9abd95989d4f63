// SPDX-License-Identifier: GPL-3.0-or-later
#include "second_presses.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <cmath>

bool SecondPresses::counts(const QMouseEvent& press, bool wouldRecordPoint) {
    // A widget is given the second press of a mouse's double-click as the double-click alone;
    // where the press came as well (events made by hand), it has been judged already.
    const bool judged =
        press.type() == QEvent::MouseButtonDblClick && !armed_ && press.timestamp() == time_;
    if (judged) return false;
    // A double-click is judged by the same rule as a press: the system's may lie far away.
    return !(isSecondPress(press) && wouldRecordPoint);
}

// The system's own rule: the same button again, soon enough and near enough.
bool SecondPresses::isSecondPress(const QMouseEvent& press) {
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPointF where = press.globalPosition();
    const double reach = hints->mouseDoubleClickDistance();
    const bool second = armed_ && press.button() == button_ &&
                        press.timestamp() - time_ < quint64(hints->mouseDoubleClickInterval()) &&
                        std::abs(where.x() - where_.x()) < reach &&
                        std::abs(where.y() - where_.y()) < reach;
    armed_ = !second;  // a third press starts afresh
    time_ = press.timestamp();
    button_ = press.button();
    where_ = where;
    return second;
}
