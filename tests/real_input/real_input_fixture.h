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

    XInput input;
};
