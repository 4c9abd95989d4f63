#include <gtest/gtest.h>

#include "messages.h"
#include "workflow_steps.h"

TEST(PointerHandling, WorkedSequence) {
    Harness h;
    h.window.image = {{port::Extent::Left, 3000},
                      {port::Extent::Top, 600},
                      {port::Extent::Width, 2000},
                      {port::Extent::Height, 1500}};
    h.workflow.option3Click();

    h.workflow.picture1MouseDown(1200, 2250);
    EXPECT_EQ(h.state().bgStartX, 1200);
    EXPECT_EQ(h.state().bgStartY, 2250);
    EXPECT_EQ(h.window.captions[port::Label::Label1], MsgBgEnd);
    EXPECT_EQ(h.state().mode, Mode::AwaitBgEnd);

    h.workflow.picture1MouseMove(2700, 3100);
    EXPECT_EQ(h.window.line, (LineEnds{1200, 2250, 2700, 2250}));
    h.workflow.image1MouseMove(450, 1234);
    EXPECT_EQ(h.window.line, (LineEnds{1200, 2250, 3450, 2250}));

    h.window.log.clear();
    h.workflow.image1MouseDown(450, 1234);
    EXPECT_EQ(h.window.log,
              (std::vector<std::string>{"Text1 enabled", "Text1 focus", "Label1 black",
                                        "Label1 caption " + std::string(MsgEnterDistance)}));
    EXPECT_EQ(h.state().bgEndX, 3450);
    EXPECT_EQ(h.state().mode, Mode::AwaitBgDistance);
    h.workflow.image1MouseUp();
    EXPECT_EQ(h.state().dragging, kFlagFalse);

    h.window.type(port::TextBox::Text1, "90");
    EXPECT_EQ(h.state().bgMmPerUnit.units(), 400);  // 90 / 2250
    EXPECT_EQ(h.state().mode, Mode::AwaitFgStart);

    h.workflow.image1MouseDown(150, 300);
    EXPECT_FALSE(h.window.enabled[port::Control::Text1]);
    EXPECT_EQ(h.state().fgStartX, 3150);
    EXPECT_EQ(h.state().fgStartY, 900);
    EXPECT_EQ(h.window.captions[port::Label::Label1], MsgFgEnd);
    h.workflow.image1MouseMove(700, 5);
    EXPECT_EQ(h.window.line, (LineEnds{3150, 900, 3700, 900}));

    h.workflow.image1MouseDown(1350, 77);
    EXPECT_TRUE(h.window.enabled[port::Control::Text2]);
    EXPECT_EQ(h.window.focus, port::TextBox::Text2);
    EXPECT_EQ(h.state().fgEndX, 4350);
    EXPECT_EQ(h.state().mode, Mode::AwaitFgDistance);

    h.window.type(port::TextBox::Text2, "60");
    h.workflow.image1MouseDown(200, 100);
    h.workflow.image1MouseMove(260, 80);
    EXPECT_EQ(h.window.image[port::Extent::Left], 3060);
    EXPECT_EQ(h.window.image[port::Extent::Top], 580);
    h.workflow.image1MouseUp();
    h.workflow.image1MouseMove(500, 500);
    EXPECT_EQ(h.window.image[port::Extent::Left], 3060) << "the release ended the drag";
}

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
