// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "workflow_steps.h"

TEST(PointerHandling, RecordedPointsRoundHalvesToEvenButTheLineIsNotRounded) {
    Harness h;
    h.window.image[port::Extent::Left] = 0.25f;
    h.window.image[port::Extent::Top] = 0;
    h.workflow.option3Click();
    h.workflow.image1MouseDown(2250.25f, 2251.5f);  // 2250.5 and 2251.5
    EXPECT_EQ(h.state().bgStartX, 2250);
    EXPECT_EQ(h.state().bgStartY, 2252);
    h.workflow.image1MouseMove(100.5f, 0);
    EXPECT_EQ(h.window.line.x2, 100.75f);
    h.workflow.picture1MouseMove(99.25f, 3100);
    EXPECT_EQ(h.window.line.x2, 99.25f);
}

TEST(PointerHandling, EndPressesLeftOfOrAtTheStartAreAccepted) {
    for (float endX : {100.0f, 1200.0f}) {
        Harness h;
        h.workflow.option3Click();
        h.workflow.picture1MouseDown(1200, 50);
        h.workflow.picture1MouseDown(endX, 9999);
        EXPECT_EQ(h.state().bgEndX, static_cast<int>(endX));
        EXPECT_EQ(h.state().mode, Mode::AwaitBgDistance);
    }
}

TEST(PointerHandling, AStaleDragMovesTheForegroundWhileTheBackgroundStillDrawsTheLine) {
    Harness h;
    h.window.image[port::Extent::Left] = 100;
    h.window.image[port::Extent::Top] = 100;
    h.workflow.image1MouseDown(10, 10);  // its release never comes
    h.workflow.option3Click();
    h.workflow.picture1MouseDown(500, 600);
    ASSERT_EQ(h.state().mode, Mode::AwaitBgEnd);
    ASSERT_EQ(h.state().dragging, kFlagTrue);

    h.workflow.image1MouseMove(30.5f, 20);
    EXPECT_EQ(h.window.image[port::Extent::Left], 120.5f);
    EXPECT_EQ(h.window.image[port::Extent::Top], 110);
    EXPECT_EQ(h.window.line, kCollapsedLine);
    h.workflow.picture1MouseMove(800, 3100);
    EXPECT_EQ(h.window.line, (LineEnds{500, 600, 800, 600}));
}

TEST(PointerHandling, ACalibrationPressUsesTheMovedForeground) {
    Harness h;
    h.window.image[port::Extent::Left] = 0;
    h.window.image[port::Extent::Top] = 0;
    h.workflow.image1MouseDown(0, 0);
    h.workflow.image1MouseMove(1000, 2000);
    h.workflow.image1MouseUp();
    h.workflow.option3Click();
    h.workflow.image1MouseDown(5, 6);
    EXPECT_EQ(h.state().bgStartX, 1005);
    EXPECT_EQ(h.state().bgStartY, 2006);
}

TEST(PointerHandling, PositionsBeyondThirtyTwoBitsAreIgnored) {
    Harness h;
    h.window.image[port::Extent::Left] = 3e9f;
    h.workflow.option3Click();
    h.workflow.image1MouseDown(1, 1);
    EXPECT_EQ(h.state().mode, Mode::AwaitBgStart);
    EXPECT_EQ(h.state().bgStartX, 0);
}
