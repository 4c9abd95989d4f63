// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDateTime>

#include "messages.h"
#include "pointer_events.h"
#include "window_fixture.h"

namespace {

// A pointer event at a point of a control given in twips from its corner.
void sendAt(QWidget* target, QEvent::Type type, QPointF twips, Qt::MouseButtons held,
            quint64 milliseconds = 0) {
    sendPointer(target, type, twips / kTwipsPerPixel, held, milliseconds);
}

}  // namespace

class Pointer : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->room().setForegroundTwips({3000, 600, 2000, 1500});
    }
    // A point inside Picture1 given in its twips (whole pixels only).
    QPoint picture(int x, int y) const { return (QPointF(x, y) / kTwipsPerPixel).toPoint(); }
};

TEST_F(Pointer, WorkedSequenceThroughTheWindow) {
    click(c().Option3);

    click(background(), picture(1200, 2250));
    EXPECT_EQ(state().bgStartX, 1200);
    EXPECT_EQ(state().bgStartY, 2250);
    EXPECT_EQ(c().Label1->text().toStdString(), MsgBgEnd);
    EXPECT_EQ(c().Label1->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(state().mode, Mode::AwaitBgEnd);

    move(background(), picture(2700, 1000));
    EXPECT_EQ(c().Line1->ends(), (LineEnds{1200, 2250, 2700, 2250}));
    move(c().Image1, {30, 77});  // 450 twips right of its left edge, at any height
    EXPECT_EQ(c().Line1->ends(), (LineEnds{1200, 2250, 3450, 2250}));

    click(c().Image1, {30, 77});
    EXPECT_TRUE(c().Text1->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), c().Text1);
    EXPECT_EQ(state().bgEndX, 3450);
    EXPECT_EQ(c().Label1->text().toStdString(), MsgEnterDistance);
    EXPECT_EQ(state().dragging, kFlagFalse);

    type("90");  // 90 mm over |1200 - 3450| = 2250 twips
    EXPECT_EQ(c().Label2->text(), "1pixel=0.04mm");
    EXPECT_EQ(c().Label1->text().toStdString(), MsgFgStart);
    EXPECT_EQ(state().mode, Mode::AwaitFgStart);

    click(c().Image1, {10, 20});
    EXPECT_FALSE(c().Text1->isEnabled());
    EXPECT_EQ(state().fgStartX, 3150);
    EXPECT_EQ(state().fgStartY, 900);
    EXPECT_EQ(c().Label1->text().toStdString(), MsgFgEnd);
    move(c().Image1, {50, 99});
    EXPECT_EQ(c().Line1->ends(), (LineEnds{3150, 900, 3750, 900}));

    click(c().Image1, {90, 5});
    EXPECT_EQ(QApplication::focusWidget(), c().Text2);
    EXPECT_EQ(state().fgEndX, 4350);
    EXPECT_EQ(state().mode, Mode::AwaitFgDistance);

    type("60");
    EXPECT_EQ(c().Label3->text(), "1pixel=0.05mm");
    EXPECT_TRUE(c().Command3->isEnabled());
    EXPECT_EQ(state().mode, Mode::ReadyToResize);

    sendAt(c().Image1, QEvent::MouseButtonPress, {200, 100}, Qt::LeftButton);
    EXPECT_EQ(state().dragging, kFlagTrue);
    sendAt(c().Image1, QEvent::MouseMove, {260, 80}, Qt::LeftButton);
    EXPECT_EQ(c().Image1->twips().left, 3060);
    EXPECT_EQ(c().Image1->twips().top, 580);
    EXPECT_EQ(c().Image1->pos(), QPoint(204, 39));
    sendAt(c().Image1, QEvent::MouseButtonRelease, {260, 80}, Qt::NoButton);
    EXPECT_EQ(state().dragging, kFlagFalse);

    click(c().Command3);  // ratio 0.05 / 0.04
    EXPECT_EQ(c().Image1->twips(), (TwipRect{3060, 580, 2500, 1875}));
    EXPECT_EQ(c().Image1->size(), QSize(167, 125));
    EXPECT_EQ(c().Label1->text().toStdString(), "125" + std::string(MsgEnlargedSuffix));
    EXPECT_FALSE(c().Command3->isEnabled());
    EXPECT_FALSE(c().Text2->isEnabled());
    EXPECT_EQ(c().Line1->ends(), kCollapsedLine);
}

TEST_F(Pointer, AnyButtonRecordsAPointOrStartsADrag) {
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        click(c().Option3);
        click(background(), {20, 30}, button);
        EXPECT_EQ(state().bgStartX, 300);
        EXPECT_EQ(state().mode, Mode::AwaitBgEnd);
        click(c().Option1);
        press(c().Image1, {5, 5}, button);
        EXPECT_EQ(state().dragging, kFlagTrue);
        release(c().Image1, {5, 5}, button);
    }
}

TEST_F(Pointer, TheSecondPressOfADoubleClickIsNoPress) {
    click(c().Option3);
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at(background(), {20, 30}));
    EXPECT_EQ(state().mode, Mode::AwaitBgEnd);
    EXPECT_EQ(state().bgStartX, 300);
    click(background(), {80, 30});  // the next press counts again
    EXPECT_EQ(state().bgEndX, 1200);
    type("90");
    ASSERT_EQ(state().mode, Mode::AwaitFgStart);
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at(c().Image1, {10, 10}));
    EXPECT_EQ(state().mode, Mode::AwaitFgEnd) << "on the foreground too";
    EXPECT_EQ(state().fgStartX, 3150);
    EXPECT_EQ(state().dragging, kFlagFalse);
    // A mouse's second press comes as a double-click event alone; one that is no second press
    // by the rule (here, long after the first) is a press, whatever the system made of it.
    sendAt(c().Image1, QEvent::MouseButtonDblClick, {1350, 0}, Qt::LeftButton,
           QDateTime::currentMSecsSinceEpoch());
    EXPECT_EQ(state().mode, Mode::AwaitFgDistance);
    EXPECT_EQ(state().fgEndX, 4350);
}

TEST_F(Pointer, APressRightAfterAClickStartsADrag) {
    sendAt(c().Image1, QEvent::MouseButtonPress, {150, 150}, Qt::LeftButton, 1000);
    sendAt(c().Image1, QEvent::MouseButtonRelease, {150, 150}, Qt::NoButton, 1050);
    sendAt(c().Image1, QEvent::MouseButtonPress, {150, 150}, Qt::LeftButton, 1150);
    sendAt(c().Image1, QEvent::MouseMove, {600, 450}, Qt::LeftButton, 1200);
    sendAt(c().Image1, QEvent::MouseButtonRelease, {600, 450}, Qt::NoButton, 1250);
    EXPECT_EQ(c().Image1->twips().left, 3450) << "the quick second press began a drag";
    EXPECT_EQ(c().Image1->twips().top, 900);
}

TEST_F(Pointer, TheDragKeepsThePointerAfterLeavingTheForeground) {
    press(c().Image1, {10, 10});
    move(background(), {400, 300});  // far outside the foreground, button held
    EXPECT_EQ(c().Image1->pos(), QPoint(390, 290));
    release(background(), {400, 300});
    EXPECT_EQ(state().dragging, kFlagFalse) << "the release also goes to the foreground";
}

TEST_F(Pointer, APressOnTheBackgroundKeepsItsMovesAndNeverDrags) {
    click(c().Option3);
    press(background(), {20, 20});
    move(c().Image1, {10, 10});  // over the foreground with the button held
    EXPECT_EQ(c().Line1->ends().x2, float((c().Image1->pos().x() + 10) * kTwipsPerPixel));
    EXPECT_EQ(c().Image1->twips().left, 3000);
    release(c().Image1, {10, 10});
    EXPECT_EQ(state().dragging, kFlagFalse);
}

TEST_F(Pointer, ADragWhoseReleaseNeverCameMovesTheForegroundWhileTheLineFollowsTheBackground) {
    sendAt(c().Image1, QEvent::MouseButtonPress, {30, 30}, Qt::LeftButton);  // no release
    click(c().Option3);
    click(background(), picture(600, 900));
    ASSERT_EQ(state().mode, Mode::AwaitBgEnd);
    ASSERT_EQ(state().dragging, kFlagTrue);

    sendAt(c().Image1, QEvent::MouseMove, {330, 30}, Qt::NoButton);
    EXPECT_EQ(c().Image1->twips().left, 3300);
    EXPECT_EQ(c().Line1->ends(), kCollapsedLine);
    move(background(), picture(1500, 900));
    EXPECT_EQ(c().Line1->ends(), (LineEnds{600, 900, 1500, 900}));
}

TEST_F(Pointer, APressOnTheLineReachesTheControlBeneath) {
    click(c().Option3);
    click(background(), picture(1500, 900));  // the line runs at 900, across the foreground
    move(c().Image1, {100, 20});
    ASSERT_EQ(c().Line1->ends().y1, 900);
    ASSERT_EQ(window->childAt(at(c().Image1, {50, 20})), c().Image1);

    click(c().Image1, {50, 20});  // on the line, over the foreground
    EXPECT_EQ(state().bgEndX, 3750);
    EXPECT_EQ(state().mode, Mode::AwaitBgDistance);
}

TEST_F(Pointer, TheEmptyForegroundRectangleStillTakesPressesAndDrags) {
    ASSERT_TRUE(c().Image1->picture().isNull());
    press(c().Image1, {3, 3});
    const QPoint target = at(c().Image1, {13, 8});  // where the pointer goes, in the window
    QTest::mouseMove(window->windowHandle(), target);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, target);
    EXPECT_EQ(c().Image1->twips().left, 3150);
    EXPECT_EQ(c().Image1->twips().top, 675);
}

TEST_F(Pointer, TheBackgroundAloneIgnoresPressesOutsideCalibration) {
    click(background(), {10, 10});
    EXPECT_EQ(state(), WorkflowState{});
    EXPECT_EQ(c().Label1->text().toStdString(), MsgOpenPrompt);
}

TEST_F(Pointer, AnUnappliableRatioIsReportedInRedAndLeavesTheForeground) {
    click(c().Option3);
    click(background(), {10, 10});
    click(background(), {40, 10});
    type("0");  // a background length of 0 is accepted
    click(c().Image1, {10, 10});
    click(c().Image1, {50, 10});
    type("30");
    click(c().Command3);
    EXPECT_EQ(c().Image1->twips(), (TwipRect{3000, 600, 2000, 1500}));
    EXPECT_EQ(c().Label1->text().toStdString(), MsgCannotScale);
    EXPECT_EQ(c().Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(c().Command3->isEnabled());
}
