// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "messages.h"
#include "workflow_steps.h"

namespace {

// A harness waiting for the background length over 150 -> 600, the worked 450 twips.
Harness& awaitingBackgroundLength(Harness& h) {
    h.workflow.option3Click();
    h.workflow.picture1MouseDown(150, 1000);
    h.workflow.picture1MouseDown(600, 1234);
    return h;
}

}  // namespace

TEST(DistanceEntry, WorkedExampleOfFourHundredFiftyTwips) {
    struct Case {
        const char* typed;
        std::int64_t units;
        const char* readout;
    };
    for (const Case& c : {Case{"90", 2000, "1pixel=0.2mm"}, Case{"100", 2222, "1pixel=0.2222mm"},
                          Case{"1350", 30000, "1pixel=3mm"}, Case{"-225", -5000, "1pixel=-0.5mm"},
                          Case{"0", 0, "1pixel=0mm"}, Case{" +12.5 ", 278, "1pixel=0.0278mm"}}) {
        Harness h;
        awaitingBackgroundLength(h);
        h.window.type(port::TextBox::Text1, c.typed);
        EXPECT_EQ(h.state().bgMmPerUnit.units(), c.units) << c.typed;
        EXPECT_EQ(h.window.captions[port::Label::Label2], c.readout) << c.typed;
        EXPECT_EQ(h.window.captions[port::Label::Label1], MsgFgStart) << c.typed;
        EXPECT_EQ(h.window.statusColor, kBlack) << c.typed;
        EXPECT_EQ(h.state().mode, Mode::AwaitFgStart) << c.typed;
    }
}

TEST(DistanceEntry, EachKeystrokeRecomputesAndTheFirstAlreadyAdvances) {
    Harness h;
    awaitingBackgroundLength(h);
    h.window.type(port::TextBox::Text1, "9");
    EXPECT_EQ(h.window.captions[port::Label::Label2], "1pixel=0.02mm");
    EXPECT_EQ(h.state().mode, Mode::AwaitFgStart);
    h.window.type(port::TextBox::Text1, "90");
    EXPECT_EQ(h.window.captions[port::Label::Label2], "1pixel=0.2mm");
    EXPECT_EQ(h.state().bgMmPerUnit.units(), 2000);
}

TEST(DistanceEntry, EmptyingTheDistanceKeepsTheLastGoodScale) {
    for (const char* bad : {"", "90abc", "abc", "-", ".", "1.2.3", "9 0"}) {
        Harness h;
        awaitingBackgroundLength(h);
        h.window.type(port::TextBox::Text1, "90");
        h.window.type(port::TextBox::Text1, bad);
        EXPECT_EQ(h.window.captions[port::Label::Label1], "数値を入力して下さい")
            << "'" << bad << "'";
        EXPECT_EQ(h.window.statusColor, kRed);
        EXPECT_EQ(h.window.captions[port::Label::Label2], "1pixel=0.2mm");
        EXPECT_EQ(h.state().bgMmPerUnit.units(), 2000);
        EXPECT_EQ(h.state().mode, Mode::AwaitFgStart);
    }
}

TEST(DistanceEntry, ClicksAtTheSameXMakeEveryLengthAnInputError) {
    Harness h;
    h.workflow.option3Click();
    h.workflow.picture1MouseDown(700, 10);
    h.workflow.picture1MouseDown(700, 900);
    for (const char* typed : {"9", "90", "0"}) {
        h.window.type(port::TextBox::Text1, typed);
        EXPECT_EQ(h.window.captions[port::Label::Label1], MsgEnterNumber);
        EXPECT_EQ(h.window.captions[port::Label::Label2], ScaleResetText);
        EXPECT_EQ(h.state().mode, Mode::AwaitBgDistance);
    }
}

TEST(DistanceEntry, OverflowingArithmeticIsAnInputError) {
    struct Case {
        std::int32_t start;
        std::int32_t end;
        const char* typed;
    };
    // A distance beyond 32 bits; a quotient beyond the scale's range.
    for (const Case& c : {Case{std::numeric_limits<std::int32_t>::min(), 1, "5"},
                          Case{std::numeric_limits<std::int32_t>::max(), -1, "5"},
                          Case{0, 1, "1000000000000000000"}}) {
        WorkflowState state;
        state.mode = Mode::AwaitBgDistance;
        state.bgStartX = c.start;
        state.bgEndX = c.end;
        state.bgMmPerUnit = Currency::fromUnits(77);
        FakeWindow window;
        FakeLocale locale;
        window.texts[port::TextBox::Text1] = c.typed;
        onText1Change(state, window, locale);
        EXPECT_EQ(window.captions[port::Label::Label1], MsgEnterNumber)
            << c.start << " " << c.typed;
        EXPECT_EQ(state.bgMmPerUnit.units(), 77);
        EXPECT_EQ(state.mode, Mode::AwaitBgDistance);
    }
}

TEST(DistanceEntry, ForegroundLengthEnablesTheApplyButtonAndStaysCorrectable) {
    Harness h;
    advanceTo(h, Mode::AwaitFgDistance);
    h.window.type(port::TextBox::Text2, "6");
    EXPECT_EQ(h.state().mode, Mode::ReadyToResize);
    EXPECT_EQ(h.window.captions[port::Label::Label3], "1pixel=0.005mm");
    EXPECT_TRUE(h.window.enabled[port::Control::Command3]);
    h.window.type(port::TextBox::Text2, "6x");
    EXPECT_EQ(h.window.captions[port::Label::Label1], MsgEnterNumber);
    EXPECT_TRUE(h.window.enabled[port::Control::Command3]) << "an error leaves the button usable";
    h.window.type(port::TextBox::Text2, "60");
    EXPECT_EQ(h.window.captions[port::Label::Label1], MsgPressChange);
    EXPECT_EQ(h.window.statusColor, kBlack);
    EXPECT_EQ(h.state().fgMmPerUnit.units(), 500);
}

TEST(DistanceEntry, ACommaLocaleReadsAndShowsCommas) {
    Harness h(',');
    awaitingBackgroundLength(h);
    h.window.type(port::TextBox::Text1, "12,5");
    EXPECT_EQ(h.window.captions[port::Label::Label2], "1pixel=0,0278mm");
    h.window.type(port::TextBox::Text1, "90");
    EXPECT_EQ(h.window.captions[port::Label::Label2], "1pixel=0,2mm");
    h.window.type(port::TextBox::Text1, "12.5");
    EXPECT_EQ(h.window.captions[port::Label::Label1], MsgEnterNumber);
}
