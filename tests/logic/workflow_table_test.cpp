#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "messages.h"
#include "workflow_steps.h"

TEST(WorkflowTable, LoadShowsTheOpenPromptInIdle) {
    Harness h;
    EXPECT_EQ(h.window.log, (std::vector<std::string>{
                                "title ポコタム", "line",
                                "Label1 caption 　... ボタンを押して画像を開いてください"}));
    EXPECT_EQ(h.state(), WorkflowState{});
    EXPECT_EQ(h.window.line, kCollapsedLine);
    EXPECT_FALSE(h.window.statusColor.has_value()) << "the prompt keeps the initial colour";
    EXPECT_EQ(h.window.log.back().substr(15, 7), "\xE3\x80\x80... ") << "ideographic space first";
}

TEST(WorkflowTable, TheTypicalRunWalksModesOneToSevenAndResizes) {
    Harness h;
    const std::vector<std::string> messages = {"背景画像の開始点をクリックして下さい",
                                               "背景画像の終了点をクリックして下さい",
                                               "距離を入力して下さい",
                                               "前景画像の開始点をクリックして下さい",
                                               "前景画像の終了点をクリックして下さい",
                                               "距離を入力して下さい",
                                               "変更ボタンを押して画像を拡大縮小して下さい"};
    for (int mode = 1; mode <= 7; ++mode) {
        advanceTo(h, modeNumber(mode));
        EXPECT_EQ(h.window.captions[port::Label::Label1], messages[mode - 1]) << "mode " << mode;
        EXPECT_EQ(h.window.statusColor, kBlack) << "mode " << mode;
    }
    const WorkflowState& s = h.state();
    EXPECT_EQ(s.bgStartX, 1200);
    EXPECT_EQ(s.bgStartY, 2250);
    EXPECT_EQ(s.bgEndX, 3450);
    EXPECT_EQ(s.fgStartX, 3150);
    EXPECT_EQ(s.fgStartY, 900);
    EXPECT_EQ(s.fgEndX, 4350);
    EXPECT_EQ(s.bgMmPerUnit.units(), 400);  // 90 / 2250 = 0.04
    EXPECT_EQ(s.fgMmPerUnit.units(), 500);  // 60 / 1200 = 0.05
    EXPECT_TRUE(h.window.enabled[port::Control::Command3]);

    h.workflow.command3Click();
    EXPECT_EQ(h.window.image[port::Extent::Width], 2500);
    EXPECT_EQ(h.window.image[port::Extent::Height], 1875);
    EXPECT_EQ(h.window.captions[port::Label::Label1], "125％ 拡大しました");
    EXPECT_EQ(h.state().mode, Mode::ReadyToResize);
}

// Every pair of event and mode that the table does not list must leave the state and the
// window exactly as they were.
TEST(WorkflowTable, UnlistedEventsInEachModeDoNothing) {
    struct Event {
        const char* name;
        std::set<int> activeModes;
        std::function<void(Harness&)> fire;
    };
    const std::vector<Event> events = {
        {"Picture1 press", {1, 2, 4, 5}, [](Harness& h) { h.workflow.picture1MouseDown(10, 20); }},
        {"Picture1 move", {2, 5}, [](Harness& h) { h.workflow.picture1MouseMove(10, 3100); }},
        {"Image1 move", {2, 5}, [](Harness& h) { h.workflow.image1MouseMove(10, 20); }},
        {"Text1 change", {3, 4}, [](Harness& h) { h.window.type(port::TextBox::Text1, "45"); }},
        {"Text2 change", {6, 7}, [](Harness& h) { h.window.type(port::TextBox::Text2, "45"); }},
        {"Command3", {7}, [](Harness& h) { h.workflow.command3Click(); }},
        {"Image1 release", {}, [](Harness& h) { h.workflow.image1MouseUp(); }},
    };
    for (int mode = 0; mode <= 7; ++mode) {
        for (const Event& event : events) {
            if (event.activeModes.count(mode)) continue;
            Harness h;
            advanceTo(h, modeNumber(mode));
            const WorkflowState before = h.state();
            const auto captions = h.window.captions;
            const auto line = h.window.line;
            const auto image = h.window.image;
            h.window.log.clear();
            event.fire(h);
            EXPECT_EQ(h.state(), before) << event.name << " in mode " << mode;
            EXPECT_EQ(h.window.captions, captions) << event.name << " in mode " << mode;
            EXPECT_EQ(h.window.line, line) << event.name << " in mode " << mode;
            EXPECT_EQ(h.window.image, image) << event.name << " in mode " << mode;
            // A text change is the only call: the fake records the typing itself.
            for (const std::string& call : h.window.log) {
                EXPECT_NE(call.find(" text '"), std::string::npos)
                    << event.name << " in mode " << mode << " did " << call;
            }
        }
    }
}

TEST(WorkflowTable, PressOnTheForegroundDragsInModesZeroThreeSixSeven) {
    for (int mode : {0, 3, 6, 7}) {
        Harness h;
        advanceTo(h, modeNumber(mode));
        const auto captions = h.window.captions;
        h.workflow.image1MouseDown(200.5f, 99.5f);
        EXPECT_EQ(h.state().dragging, kFlagTrue) << mode;
        EXPECT_EQ(h.state().grabX, 200) << mode;  // halves to even
        EXPECT_EQ(h.state().grabY, 100) << mode;
        EXPECT_EQ(h.state().mode, modeNumber(mode));
        EXPECT_EQ(h.window.captions, captions) << "a drag shows no message";
        h.workflow.image1MouseUp();
        EXPECT_EQ(h.state().dragging, kFlagFalse);
    }
}
