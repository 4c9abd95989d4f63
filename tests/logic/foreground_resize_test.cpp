// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "messages.h"
#include "workflow_steps.h"

namespace {

struct Scene {
    WorkflowState state;
    FakeWindow window;
    FakeLocale locale;

    Scene(double fg, double bg, float width, float height, char separator = '.')
        : locale(separator) {
        state.mode = Mode::ReadyToResize;
        state.fgMmPerUnit = *Currency::fromDouble(fg);
        state.bgMmPerUnit = *Currency::fromDouble(bg);
        state.fgExactMmPerUnit = fg;
        state.bgExactMmPerUnit = bg;
        window.image[port::Extent::Width] = width;
        window.image[port::Extent::Height] = height;
        window.enabled[port::Control::Text2] = true;
        window.enabled[port::Control::Command3] = true;
        window.statusColor = kBlack;
    }
    void press() { onCommand3Click(state, window, locale); }
};

}  // namespace

TEST(ForegroundResize, WorkedExamples) {
    struct Case {
        double fg, bg;
        float width, height;
        float newWidth, newHeight;
        std::string message;
    };
    const std::string up = "％ 拡大しました", down = "％ 縮小しました";
    const Case cases[] = {
        {0.5, 0.25, 1275, 765, 2550, 1530, "200" + up},
        {0.5, 0.2, 1275, 765, 3187.5f, 1912.5f, "250" + up},
        {0.1, 0.4, 3000, 2000, 750, 500, "25" + down},
        {0.3, 0.3, 3000, 2000, 3000, 2000, "100" + up},
        {0.2, 0.3, 3000, 2000, 2000, 1333.3334f, "66.6666" + down},
        {0, 0.2, 1275, 765, 0, 0, "0" + down},
        {-0.5, -0.25, 100, 10, 200, 20, "200" + up},
        {0.7, 0.1, 100, 10, 700, 70, "700" + up},  // exact, though 0.7 / 0.1 is not
        {0.3, 0.1, 100, 10, 300, 30, "300" + up},
        {0.0999, 0.1, 1000, 10, 999, 9.99f, "99.9" + down},
    };
    for (const Case& c : cases) {
        Scene s(c.fg, c.bg, c.width, c.height);
        s.press();
        EXPECT_EQ(s.window.image[port::Extent::Width], c.newWidth) << c.fg << "/" << c.bg;
        EXPECT_EQ(s.window.image[port::Extent::Height], c.newHeight) << c.fg << "/" << c.bg;
        EXPECT_EQ(s.window.captions[port::Label::Label1], c.message);
        EXPECT_EQ(s.state.mode, Mode::ReadyToResize);
        EXPECT_FALSE(s.window.enabled[port::Control::Text2]);
        EXPECT_FALSE(s.window.enabled[port::Control::Command3]);
        EXPECT_EQ(s.window.line, kCollapsedLine);
    }
}

// Every pair of small scales against the percentage worked out in whole numbers.
TEST(ForegroundResize, ThePercentageIsCutFromTheExactRatio) {
    for (std::int64_t fg = 0; fg <= 120; ++fg) {
        for (std::int64_t bg = 1; bg <= 120; ++bg) {
            const std::int64_t cut = fg * 1000000 / bg;  // ten-thousandths of a percent
            std::string decimals = std::to_string(10000 + cut % 10000).substr(1);
            decimals.erase(decimals.find_last_not_of('0') + 1);
            const std::string expected = std::to_string(cut / 10000) +
                                         (decimals.empty() ? "" : "," + decimals) +
                                         (fg >= bg ? "％ 拡大しました" : "％ 縮小しました");
            Scene s(double(fg) / 10000, double(bg) / 10000, 100, 100, ',');
            s.press();
            ASSERT_EQ(s.window.captions[port::Label::Label1], expected) << fg << "/" << bg;
        }
    }
    Scene wide(123456789012.3456, 0.0001, 0, 0);  // 15 significant digits, as any number
    wide.press();
    EXPECT_EQ(wide.window.captions[port::Label::Label1], "123456789012346000％ 拡大しました");
}

TEST(ForegroundResize, StepsRunInOrderAndTheMessageKeepsTheLabelColour) {
    Scene s(0.5, 0.25, 1275, 765);
    s.window.statusColor = kRed;  // the last edit of the length was an error
    s.press();
    EXPECT_EQ(s.window.log,
              (std::vector<std::string>{"Text2 disabled", "Command3 disabled", "line",
                                        "Image1 Width", "Image1 Height",
                                        "Label1 caption 200" + std::string(MsgEnlargedSuffix)}));
    EXPECT_EQ(s.window.statusColor, kRed);
}

TEST(ForegroundResize, ARatioThatCannotBeAppliedLeavesTheForegroundAndSaysSoInRed) {
    struct Case {
        double fg, bg;
        float width, height;
    };
    const Case cases[] = {
        {0.5, 0, 1275, 765},      // background length typed as 0
        {0, 0, 1275, 765},        // both 0
        {-0.5, 0.25, 1275, 765},  // one length negative
        {0.5, -0.25, 1275, 765},
        {900000000000000.0, 0.0001, 1275, 765},  // far wider than any control
        {1000, 0.0001, 100, 3e8f},               // the height alone too large
    };
    for (const Case& c : cases) {
        Scene s(c.fg, c.bg, c.width, c.height);
        s.press();
        EXPECT_EQ(s.window.image[port::Extent::Width], c.width) << c.fg << "/" << c.bg;
        EXPECT_EQ(s.window.image[port::Extent::Height], c.height) << c.fg << "/" << c.bg;
        EXPECT_EQ(s.window.captions[port::Label::Label1],
                  "拡大率を計算できません。③からやり直して下さい");
        EXPECT_EQ(s.window.statusColor, kRed);
        EXPECT_FALSE(s.window.enabled[port::Control::Text2]);
        EXPECT_FALSE(s.window.enabled[port::Control::Command3]);
        EXPECT_EQ(s.window.line, kCollapsedLine);
        EXPECT_EQ(s.state.mode, Mode::ReadyToResize);
    }
}

TEST(ForegroundResize, AnEmptyForegroundTakesAnyFiniteRatio) {
    Scene s(900000000000000.0, 0.0001, 0, 0);
    s.press();
    EXPECT_EQ(s.window.image[port::Extent::Width], 0);
    EXPECT_EQ(s.window.captions[port::Label::Label1], "900000000000000000000％ 拡大しました");
}

TEST(ForegroundResize, ACommaLocaleShowsACommaInThePercentage) {
    Scene s(0.2, 0.3, 3000, 2000, ',');
    s.press();
    EXPECT_EQ(s.window.captions[port::Label::Label1], "66,6666％ 縮小しました");
}

TEST(ForegroundResize, AfterAnInputErrorTheLastGoodLengthIsUsedAndTheResultIsRed) {
    Harness h;
    advanceTo(h, Mode::ReadyToResize);
    h.window.type(port::TextBox::Text2, "60x");
    h.workflow.command3Click();
    EXPECT_EQ(h.window.image[port::Extent::Width], 2500);
    EXPECT_EQ(h.window.captions[port::Label::Label1], "125％ 拡大しました");
    EXPECT_EQ(h.window.statusColor, kRed);
}

TEST(ForegroundResize, PressingOutsideModeSevenDoesNothing) {
    for (int mode = 0; mode < 7; ++mode) {
        Scene s(0.5, 0.25, 1275, 765);
        s.state.mode = modeNumber(mode);
        s.press();
        EXPECT_TRUE(s.window.log.empty()) << mode;
    }
}
