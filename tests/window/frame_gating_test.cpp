// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSignalSpy>

#include "window_fixture.h"

// Task 1 closes Frame2; Text1 is then enabled by its own state alone.
class FrameGating : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        c().Text1->setEnabled(true);
        openLook = c().Text1->grab().toImage();
        click(c().Option1);
        ASSERT_FALSE(c().Frame2->isGateOpen());
    }
    QImage openLook;
};

TEST_F(FrameGating, AClosedFrameBlocksAnEnabledChildWithoutGreyingIt) {
    EXPECT_TRUE(c().Text1->isEnabled()) << "the child keeps its own state";
    EXPECT_EQ(c().Text1->grab().toImage(), openLook) << "and its look";

    c().Command3->setEnabled(true);
    QSignalSpy pressed(c().Command3, &QPushButton::clicked);
    click(c().Command3);
    EXPECT_EQ(pressed.count(), 0) << "no click";
    click(c().Text1);
    EXPECT_NE(QApplication::focusWidget(), c().Text1) << "no focus from a click";
    QTest::keyClicks(window.get(), "12");
    EXPECT_EQ(c().Text1->text(), "") << "no typing";
    c().Picture1->setFocus();
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), c().Text1) << "no focus by Tab";
    }
}

TEST_F(FrameGating, ReopeningGivesBackEachChildsOwnState) {
    click(c().Option3);
    EXPECT_TRUE(c().Frame2->isGateOpen());
    EXPECT_TRUE(c().Text1->isEnabled());
    EXPECT_FALSE(c().Text2->isEnabled());
    EXPECT_FALSE(c().Command3->isEnabled());
    click(c().Text1);
    EXPECT_EQ(QApplication::focusWidget(), c().Text1) << "usable without being enabled anew";
    QTest::keyClicks(QApplication::focusWidget(), "12");
    EXPECT_EQ(c().Text1->text(), "12");
}

TEST_F(FrameGating, ClosingMovesTheFocusOutOfTheFrame) {
    click(c().Option3);
    c().Text1->setFocus();
    c().Frame2->setGateOpen(false);
    EXPECT_NE(QApplication::focusWidget(), c().Text1);
    QTest::keyClicks(window.get(), "7");
    EXPECT_EQ(c().Text1->text(), "");
}

TEST_F(FrameGating, ClickingTheSelectedOptionRunsItsHandlerAgain) {
    EXPECT_TRUE(c().Option1->isChecked());
    click(c().Option1);
    EXPECT_FALSE(c().Frame2->isGateOpen()) << "option 1 right after start-up closes Frame2";

    click(c().Option3);
    click(c().Picture1, {50, 50});
    ASSERT_EQ(state().mode, Mode::AwaitBgEnd);
    click(c().Option3);
    EXPECT_EQ(state().mode, Mode::AwaitBgStart) << "the calibration starts over";
}
