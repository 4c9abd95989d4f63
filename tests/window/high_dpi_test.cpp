// SPDX-License-Identifier: GPL-3.0-or-later
#include <qpa/qwindowsysteminterface.h>

#include "window_fixture.h"

// Run on a screen scaled by two (QT_SCALE_FACTOR=2): each logical pixel is two device pixels.
class HighDpi : public WindowTest {
protected:
    // A press or move at a device pixel, as the screen reports it; `at` is in window pixels.
    void pointer(QEvent::Type type, QPointF at, ulong milliseconds) {
        QWindow* handle = window->windowHandle();
        const qreal ratio = handle->devicePixelRatio();
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                      : type == QEvent::MouseMove        ? Qt::NoButton
                                                                         : Qt::LeftButton;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            handle, milliseconds, at * ratio, (handle->position() + at) * ratio, held, button,
            type);
    }
    void click(QPointF at, ulong milliseconds) {
        pointer(QEvent::MouseButtonPress, at, milliseconds);
        pointer(QEvent::MouseButtonRelease, at, milliseconds + 20);
    }
};

TEST_F(HighDpi, PressesKeepTheScreensPrecisionUntilTheyBecomeTwips) {
    ASSERT_EQ(window->windowHandle()->devicePixelRatio(), 2.0);
    WindowTest::click(c().Option3);
    const QPointF corner = at(c().Picture1->contents(), {0, 0});
    click(corner + QPointF(20.5, 30), 100000);  // 307.5 twips
    EXPECT_EQ(state().bgStartX, 308) << "halves to even";
    pointer(QEvent::MouseMove, corner + QPointF(40.5, 30), 100500);
    EXPECT_EQ(c().Line1->ends().x2, 607.5f) << "the line is not rounded";
    click(corner + QPointF(21.5, 30), 103000);  // one device pixel further: 322.5 twips
    EXPECT_EQ(state().bgEndX, 322);
}
