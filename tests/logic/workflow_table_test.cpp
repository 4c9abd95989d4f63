// SPDX-License-Identifier: GPL-3.0-or-later
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

// The one walk of the logic: modes one to seven with the worked numbers, the line following
// the pointer, a drag, and the resize.
TEST(WorkflowTable, TheTypicalRunWalksModesOneToSevenDragsAndResizes) {
    Harness h;
    using port::Extent;
    h.window.image = {
        {Extent::Left, 3000}, {Extent::Top, 600}, {Extent::Width, 2000}, {Extent::Height, 1500}};
    const auto expectStep = [&h](Mode mode, const std::string& message) {
        EXPECT_EQ(h.state().mode, mode);
        EXPECT_EQ(h.window.captions[port::Label::Label1], message) << int(mode);
        EXPECT_EQ(h.window.statusColor, kBlack) << int(mode);
    };
    h.workflow.option3Click();
    expectStep(Mode::AwaitBgStart, "背景画像の開始点をクリックして下さい");

    h.workflow.picture1MouseDown(1200, 2250);
    EXPECT_EQ(h.state().bgStartX, 1200);
    EXPECT_EQ(h.state().bgStartY, 2250);
    expectStep(Mode::AwaitBgEnd, "背景画像の終了点をクリックして下さい");
    h.workflow.picture1MouseMove(2700, 3100);  // a level line, at any height
    EXPECT_EQ(h.window.line, (LineEnds{1200, 2250, 2700, 2250}));
    h.workflow.image1MouseMove(450, 1234);  // from the foreground's corner
    EXPECT_EQ(h.window.line, (LineEnds{1200, 2250, 3450, 2250}));

    h.window.log.clear();
    h.workflow.image1MouseDown(450, 1234);
    EXPECT_EQ(h.window.log,
              (std::vector<std::string>{"Text1 enabled", "Text1 focus", "Label1 black",
                                        "Label1 caption 距離を入力して下さい"}));
    EXPECT_EQ(h.state().bgEndX, 3450);
    expectStep(Mode::AwaitBgDistance, "距離を入力して下さい");
    h.workflow.image1MouseUp();
    EXPECT_EQ(h.state().dragging, kFlagFalse) << "the end press was no grab";

    h.window.type(port::TextBox::Text1, "90");
    EXPECT_EQ(h.state().bgMmPerUnit.units(), 400);  // 90 / 2250 = 0.04
    expectStep(Mode::AwaitFgStart, "前景画像の開始点をクリックして下さい");

    h.workflow.image1MouseDown(150, 300);
    EXPECT_FALSE(h.window.enabled[port::Control::Text1]);
    EXPECT_EQ(h.state().fgStartX, 3150);
    EXPECT_EQ(h.state().fgStartY, 900);
    expectStep(Mode::AwaitFgEnd, "前景画像の終了点をクリックして下さい");
    h.workflow.image1MouseMove(700, 5);
    EXPECT_EQ(h.window.line, (LineEnds{3150, 900, 3700, 900}));

    h.workflow.image1MouseDown(1350, 77);
    EXPECT_TRUE(h.window.enabled[port::Control::Text2]);
    EXPECT_EQ(h.window.focus, port::TextBox::Text2);
    EXPECT_EQ(h.state().fgEndX, 4350);
    expectStep(Mode::AwaitFgDistance, "距離を入力して下さい");

    h.window.type(port::TextBox::Text2, "60");
    EXPECT_EQ(h.state().fgMmPerUnit.units(), 500);  // 60 / 1200 = 0.05
    EXPECT_TRUE(h.window.enabled[port::Control::Command3]);
    expectStep(Mode::ReadyToResize, "変更ボタンを押して画像を拡大縮小して下さい");

    h.workflow.image1MouseDown(200, 100);
    h.workflow.image1MouseMove(260, 80);
    EXPECT_EQ(h.window.image[Extent::Left], 3060);
    EXPECT_EQ(h.window.image[Extent::Top], 580);
    h.workflow.image1MouseUp();
    h.workflow.image1MouseMove(500, 500);
    EXPECT_EQ(h.window.image[Extent::Left], 3060) << "the release ended the drag";

    h.workflow.command3Click();  // by 0.05 / 0.04
    EXPECT_EQ(h.window.image[Extent::Width], 2500);
    EXPECT_EQ(h.window.image[Extent::Height], 1875);
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
