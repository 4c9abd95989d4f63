// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>

#include "command_bar.h"
#include "measure_tool.h"
#include "plane_note.h"
#include "window_fixture.h"

// The commands that keep the answer as exact as the clicks, through the window's shortcuts.
class ExactToTheClick : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        openPlanAndSofa({398, 298}, {100, 60});
        click(c().Option3);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(window.get(), key, modifiers);
    }
    // Presses and releases at a point of the background's canvas, in pixels.
    void clickAt(QPoint pixels) { click(background(), pixels); }
    QString barLabel(const char* spokenName) const {
        for (auto* label : window->commandBar().findChildren<QLabel*>()) {
            // Heard as its name and its value.
            if (label->accessibleName() == QString::fromUtf8(spokenName) + u' ' + label->text()) {
                return label->text();
            }
        }
        return QStringLiteral("(none)");
    }
    // The background: 100 px for 1000 mm, typed key by key with its digits grouped.
    void calibrateBackground() {
        clickAt({150, 200});
        clickAt({250, 200});
        QTest::keyClicks(c().Text1, "1,000");
        ASSERT_EQ(c().Label2->text(), "1pixel=0.6667mm");
    }
};

TEST_F(ExactToTheClick, AMeasureShowsMillimetresAndLeavesTheWorkflowAsItWas) {
    EXPECT_FALSE(window->commandBar().action(Command::Measure).isEnabled()) << "no scale yet";
    calibrateBackground();
    const WorkflowState before = state();
    key(Qt::Key_M);
    ASSERT_TRUE(window->measure().isOn());
    press(background(), {100, 100});
    move(background(), {160, 180});  // 100 px: 1500 twips
    release(background(), {160, 180});
    EXPECT_EQ(window->measure().shownLength(), "1000.0 mm");
    EXPECT_EQ(state(), before);
    key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(window->measure().isOn());
    EXPECT_EQ(window->measure().shownLength(), "");
    clickAt({30, 30});  // on the foreground: still its start press
    EXPECT_EQ(state().mode, Mode::AwaitFgEnd);
    EXPECT_EQ(state().fgStartX, 450);
}

TEST_F(ExactToTheClick, DegreeTurnsComeBackExactlyAndPressesStayPicturePositions) {
    const TwipRect unturned = c().Image1->twips();
    const QRect geometry = c().Image1->geometry();
    const qint64 pixels = c().Image1->picture().cacheKey();
    key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier, 15);
    EXPECT_EQ(c().Image1->twips(), unturned);
    EXPECT_EQ(barLabel("前景画像の角度"), "15°");
    EXPECT_GT(c().Image1->height(), geometry.height()) << "drawn turned";
    // The turned corner lies outside the picture: a press there reaches the background.
    clickAt({geometry.right() - 1, geometry.top() + 1});
    EXPECT_EQ(state().mode, Mode::AwaitBgEnd);
    EXPECT_EQ(state().bgStartX, (geometry.right() - 1) * kTwipsPerPixel);
    key(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier, 15);
    EXPECT_EQ(c().Image1->twips(), unturned);
    EXPECT_EQ(c().Image1->geometry(), geometry);
    EXPECT_EQ(c().Image1->picture().cacheKey(), pixels);
    EXPECT_EQ(barLabel("前景画像の角度"), "0°");
}

TEST_F(ExactToTheClick, BetweenTheForegroundsPressesNothingMovesItAndSizesAreShownInMillimetres) {
    calibrateBackground();
    key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier, 2);
    clickAt({10, 10});  // the foreground's start press, at (150, 150) twips
    ASSERT_EQ(state().mode, Mode::AwaitFgEnd);
    EXPECT_EQ(state().fgStartX, 150);
    const TwipRect before = c().Image1->twips();
    key(Qt::Key_H);
    key(Qt::Key_L);
    key(Qt::Key_R);
    key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(c().Image1->twips(), before);
    EXPECT_EQ(c().Image1->degrees(), 2);
    for (Command command : {Command::Centre, Command::TurnLeft, Command::TurnRightDegree}) {
        EXPECT_FALSE(window->commandBar().action(command).isEnabled());
    }
    EXPECT_TRUE(window->commandBar().action(Command::ZoomIn).isEnabled());

    clickAt({90, 10});  // 80 px: 1200 twips for 400 mm
    QTest::keyClicks(c().Text2, "400");
    EXPECT_TRUE(window->commandBar().action(Command::Centre).isEnabled());
    EXPECT_EQ(barLabel("前景画像の実寸"), "510 × 310 mm");  // 1530 x 930 twips
    click(c().Command3);
    EXPECT_EQ(c().Label1->text(), "50％ 縮小しました");
    EXPECT_EQ(barLabel("前景画像の実寸"), "510 × 310 mm");
    EXPECT_EQ(c().Image1->degrees(), 2) << "a resize keeps the turn";
}

TEST_F(ExactToTheClick, ALineOffLevelIsToldBesideItUntilMeasuredAlongIt) {
    clickAt({50, 50});
    clickAt({150, 110});  // 31.0 degrees down
    const PlaneNote& note = window->tiltNote();
    ASSERT_TRUE(note.isVisible());
    EXPECT_EQ(note.accessibleName(), note.text());
    EXPECT_TRUE(note.text().startsWith("31.0° 傾いています")) << note.text().toStdString();
    key(Qt::Key_T);
    EXPECT_FALSE(note.isVisible());
}
