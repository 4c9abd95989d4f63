#include "second_press_filter.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <cmath>

void SecondPressFilter::watch(QWidget& widget) { widget.installEventFilter(this); }

bool SecondPressFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && !passingOn_) {
        return isSecondPress(*static_cast<QMouseEvent*>(event)) && wouldRecordPoint_();
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto& click = *static_cast<QMouseEvent*>(event);
        // A widget is given the second press of a mouse's double-click as this event alone;
        // where the press came as well (events made by hand), it has been judged already.
        if (!armed_ && click.timestamp() == time_) return true;
        // Judged by the same rule as a press: the system's double-click may lie far away.
        if (!(isSecondPress(click) && wouldRecordPoint_())) {
            QMouseEvent press(QEvent::MouseButtonPress, click.position(), click.scenePosition(),
                              click.globalPosition(), click.button(), click.buttons(),
                              click.modifiers(), click.pointingDevice());
            press.setTimestamp(click.timestamp());
            passingOn_ = true;  // judged already
            QCoreApplication::sendEvent(watched, &press);
            passingOn_ = false;
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// The system's own rule: the same button again, soon enough and near enough.
bool SecondPressFilter::isSecondPress(const QMouseEvent& press) {
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
