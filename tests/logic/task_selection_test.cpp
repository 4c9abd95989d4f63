// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "messages.h"
#include "workflow_steps.h"

namespace {
std::string caption(std::string_view label, std::string_view text) {
    return std::string(label) + " caption " + std::string(text);
}
}  // namespace

TEST(TaskSelection, OptionThreeRunsItsStepsInOrderWithTheNestedChangeInside) {
    Harness h;
    advanceTo(h, Mode::AwaitFgStart);  // Text1 holds "90", Text2 is empty
    h.window.log.clear();
    h.workflow.option3Click();
    EXPECT_EQ(
        h.window.log,
        (std::vector<std::string>{
            "Command1 disabled", "Command2 disabled", "Frame2 enabled", "line", "Text1 text ''",
            "Label1 red",  // the nested change finds empty text in mode 4
            caption("Label1", MsgEnterNumber), "Text2 text ''", caption("Label2", "1pixcel=0mm"),
            caption("Label3", "1pixcel=0mm"), "Label1 black", caption("Label1", MsgBgStart)}));
    EXPECT_EQ(h.state().mode, Mode::AwaitBgStart);
    EXPECT_EQ(h.state().bgMmPerUnit, Currency());
    EXPECT_EQ(h.state().fgMmPerUnit, Currency());
    EXPECT_EQ(h.window.line, kCollapsedLine);
    EXPECT_EQ(h.window.statusColor, kBlack);
}

TEST(TaskSelection, OptionThreeEndsTheSameFromEveryMode) {
    for (int mode = 0; mode <= 7; ++mode) {
        Harness h;
        advanceTo(h, modeNumber(mode));
        h.workflow.option3Click();
        EXPECT_EQ(h.state().mode, Mode::AwaitBgStart) << mode;
        EXPECT_EQ(h.state().bgMmPerUnit, Currency()) << mode;
        EXPECT_EQ(h.state().fgMmPerUnit, Currency()) << mode;
        EXPECT_EQ(h.window.texts[port::TextBox::Text1], "") << mode;
        EXPECT_EQ(h.window.texts[port::TextBox::Text2], "") << mode;
        EXPECT_EQ(h.window.captions[port::Label::Label2], ScaleResetText) << mode;
        EXPECT_EQ(h.window.captions[port::Label::Label3], ScaleResetText) << mode;
        EXPECT_EQ(h.window.captions[port::Label::Label1], MsgBgStart) << mode;
        EXPECT_EQ(h.window.statusColor, kBlack) << mode;
    }
}

TEST(TaskSelection, OptionThreeAfterALoadingTaskEmptiesTheBoxesSilently) {
    Harness h;
    advanceTo(h, Mode::ReadyToResize);
    h.workflow.option1Click();
    h.window.log.clear();
    h.workflow.option3Click();
    for (const std::string& call : h.window.log) {
        EXPECT_EQ(call.find("red"), std::string::npos) << "the nested changes run in mode 0";
    }
}

TEST(TaskSelection, LoadingTasksOnlySwitchButtonsCollapseTheLineAndIdle) {
    for (bool background : {true, false}) {
        Harness h;
        advanceTo(h, Mode::AwaitFgEnd);
        h.workflow.picture1MouseMove(4000, 3100);  // a visible line
        const WorkflowState before = h.state();
        const auto captions = h.window.captions;
        const auto texts = h.window.texts;
        h.window.log.clear();
        background ? h.workflow.option1Click() : h.workflow.option2Click();
        EXPECT_EQ(h.window.log,
                  (std::vector<std::string>{background ? "Command1 enabled" : "Command1 disabled",
                                            background ? "Command2 disabled" : "Command2 enabled",
                                            "Frame2 disabled", "line"}));
        EXPECT_EQ(h.window.line, kCollapsedLine);
        WorkflowState expected = before;
        expected.mode = Mode::Idle;
        EXPECT_EQ(h.state(), expected) << "scales, points and drag state are kept";
        EXPECT_EQ(h.window.captions, captions) << "Label1 keeps " << MsgFgEnd;
        EXPECT_EQ(h.window.texts, texts);
    }
}

TEST(TaskSelection, ACalibrationAbandonedAtSevenRestartsWithItsOwnEnabledStates) {
    Harness h;
    advanceTo(h, Mode::ReadyToResize);
    h.workflow.option1Click();
    h.workflow.option3Click();
    EXPECT_FALSE(h.window.enabled[port::Control::Text1])
        << "disabled by the first foreground press";
    EXPECT_TRUE(h.window.enabled[port::Control::Text2]);
    EXPECT_TRUE(h.window.enabled[port::Control::Command3]);

    const auto image = h.window.image;
    h.window.type(port::TextBox::Text2, "30");
    h.workflow.command3Click();
    EXPECT_EQ(h.state().mode, Mode::AwaitBgStart);
    EXPECT_EQ(h.state().fgMmPerUnit, Currency());
    EXPECT_EQ(h.window.image, image);
    EXPECT_EQ(h.window.captions[port::Label::Label1], MsgBgStart);
    EXPECT_TRUE(h.window.enabled[port::Control::Command3])
        << "a press outside mode 7 changes nothing";
}

// The next piece keeps the plan's scale and its readout, and calibrates the new foreground
// against it; without a plan scale it starts afresh, as the third option does.
TEST(TaskSelection, TheNextPieceKeepsThePlanScaleAndAwaitsTheNewForegroundsStartPress) {
    Harness h;
    advanceTo(h, Mode::ReadyToResize);
    h.workflow.command3Click();
    const std::string planReadout = h.window.captions[port::Label::Label2];
    h.workflow.nextPiece();
    EXPECT_EQ(h.state().mode, Mode::AwaitFgStart);
    EXPECT_EQ(h.state().bgMmPerUnit.units(), 400);
    EXPECT_EQ(h.window.captions[port::Label::Label2], planReadout);
    EXPECT_EQ(h.window.captions[port::Label::Label3], "1pixcel=0mm");
    EXPECT_EQ(h.window.captions[port::Label::Label1], "前景画像の開始点をクリックして下さい");
    EXPECT_EQ(h.window.texts[port::TextBox::Text2], "");
    EXPECT_EQ(h.state().fgMmPerUnit, Currency());
    EXPECT_FALSE(h.state().fgResized);
    for (port::Control closed : {port::Control::Command1, port::Control::Command2,
                                 port::Control::Command3, port::Control::Text2}) {
        EXPECT_FALSE(h.window.enabled[closed]) << int(closed);
    }
    EXPECT_TRUE(h.window.enabled[port::Control::Frame2]);

    // A table 600 twips wide at 0.05 mm a twip: 30 mm; the plan shows 0.04 mm a twip.
    h.window.image = {{port::Extent::Left, 0},
                      {port::Extent::Top, 0},
                      {port::Extent::Width, 800},
                      {port::Extent::Height, 400}};
    h.workflow.image1MouseDown(100, 50);
    h.workflow.image1MouseDown(700, 50);
    h.window.type(port::TextBox::Text2, "30");
    h.workflow.command3Click();
    EXPECT_EQ(h.window.image[port::Extent::Width], 1000);
    EXPECT_EQ(h.window.image[port::Extent::Height], 500);

    Harness fresh;
    fresh.workflow.nextPiece();
    EXPECT_EQ(fresh.state().mode, Mode::AwaitBgStart);
}
