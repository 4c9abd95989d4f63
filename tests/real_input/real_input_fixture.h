// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_fixture.h"
#include "x_session.h"

// The window on the X server, given input through the server as a user gives it. Checks wait
// for what the user would see, never for a fixed time.
class RealInput : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), 10000));
    }

    QPoint onScreen(const QWidget* widget, QPoint local) const {
        return widget->mapToGlobal(local);
    }
    void moveTo(const QWidget* widget, QPoint local) { input.moveTo(onScreen(widget, local)); }
    void clickAt(const QWidget* widget, QPoint local) {
        moveTo(widget, local);
        input.press();
        input.release();
    }
    // A pause of the user's hand, during which the window handles what it was given.
    static void pause(int milliseconds) { QTest::qWait(milliseconds); }
    template <typename Condition>
    static bool waitFor(Condition condition) {
        return QTest::qWaitFor(condition, 10000);
    }
    // Until the window stands where the window shows it: the server has it where Qt has it, and
    // it has not moved for a moment (a window manager may place it again after a fit).
    bool waitUntilPlaced(const QWidget& shown) {
        int still = 0;
        QPoint last;
        return waitFor([&] {
            const QPoint there = input.originOf(shown.winId());
            const bool agreed = there == shown.mapToGlobal(QPoint(0, 0));
            still = agreed && there == last ? still + 1 : 0;
            last = there;
            QTest::qWait(50);
            return still >= 5 && shown.isActiveWindow();
        });
    }

    XInput input;
};
