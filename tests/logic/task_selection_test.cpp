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
