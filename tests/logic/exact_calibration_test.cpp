// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>

#include "measured_distance.h"
#include "workflow_steps.h"

namespace {

// A whole calibration: background presses at (x, y) pairs, its length, then the foreground's.
struct Calibrated {
    Harness h;
    Calibrated(std::array<float, 4> bg, const char* bgMm, std::array<float, 4> fg, const char* fgMm,
               float width = 1500, float height = 900) {
        h.window.image = {{port::Extent::Left, 0},
                          {port::Extent::Top, 0},
                          {port::Extent::Width, width},
                          {port::Extent::Height, height}};
        h.workflow.option3Click();
        h.workflow.picture1MouseDown(bg[0], bg[1]);
        h.workflow.picture1MouseDown(bg[2], bg[3]);
        h.window.type(port::TextBox::Text1, bgMm);
        h.workflow.picture1MouseDown(fg[0], fg[1]);
        h.workflow.picture1MouseDown(fg[2], fg[3]);
        h.window.type(port::TextBox::Text2, fgMm);
    }
    std::string resize() {
        h.workflow.command3Click();
        return h.window.captions[port::Label::Label1];
    }
};

}  // namespace

// The readouts keep their four decimals; the resize uses the scales as typed and measured.
TEST(ExactCalibration, TheResizeTakesTheExactRatioNotTheRoundedReadouts) {
    Calibrated a({0, 0, 900, 0}, "90", {0, 0, 1500, 0}, "10");
    EXPECT_EQ(a.h.window.captions[port::Label::Label2], "1pixel=0.1mm");
    EXPECT_EQ(a.h.window.captions[port::Label::Label3], "1pixel=0.0067mm");
    EXPECT_EQ(a.resize(), "6.6666％ 縮小しました");  // 1/15, not 0.0067 / 0.1
    EXPECT_EQ(a.h.window.image[port::Extent::Width], 100);
    EXPECT_EQ(a.h.window.image[port::Extent::Height], 60);

    // A scale that reads as 0 still resizes by its true value.
    Calibrated tiny({0, 0, 30000, 0}, "1", {0, 0, 20000, 0}, "2", 3000, 1500);
    EXPECT_EQ(tiny.h.window.captions[port::Label::Label2], "1pixel=0mm");
    EXPECT_EQ(tiny.resize(), "300％ 拡大しました");
    EXPECT_EQ(tiny.h.window.image[port::Extent::Width], 9000);
}

TEST(ExactCalibration, AlongTheLineTheWholeLengthCountsAndTheLineFollowsEveryWay) {
    Harness h;
    h.workflow.measureAlongLineToggle();
    h.workflow.option3Click();
    EXPECT_TRUE(h.state().measureAlongLine) << "kept across calibrations";
    h.workflow.picture1MouseDown(300, 450);
    h.workflow.picture1MouseMove(1000, 2000);
    EXPECT_EQ(h.window.line, (LineEnds{300, 450, 1000, 2000}));
    h.workflow.image1MouseMove(100, 50);  // over the foreground at (870, 840)
    EXPECT_EQ(h.window.line, (LineEnds{300, 450, 970, 890}));
    h.workflow.picture1MouseDown(1200, 1650);  // 60 px across, 80 px down: 1500 twips
    h.window.type(port::TextBox::Text1, "150");
    EXPECT_EQ(h.window.captions[port::Label::Label2], "1pixel=0.1mm");

    // A vertical dimension line, measured level at first: no distance, then along the line.
    Harness v;
    v.workflow.option3Click();
    v.workflow.picture1MouseDown(500, 100);
    v.workflow.picture1MouseDown(500, 3100);
    v.window.type(port::TextBox::Text1, "2000");
    EXPECT_EQ(v.window.captions[port::Label::Label1], "数値を入力して下さい");
    v.workflow.measureAlongLineToggle();  // the typed length is measured again
    EXPECT_EQ(v.window.captions[port::Label::Label2], "1pixel=0.6667mm");
    EXPECT_EQ(v.state().mode, Mode::AwaitFgStart);
    v.workflow.measureAlongLineToggle();  // and back: level again, an error again
    EXPECT_EQ(v.window.captions[port::Label::Label1], "数値を入力して下さい");
    EXPECT_EQ(v.window.captions[port::Label::Label2], "1pixel=0.6667mm")
        << "the last good scale stays";
}

TEST(ExactCalibration, ALevelMeasureOffLevelIsToldWithItsAngleAndError) {
    Harness h;
    h.workflow.option3Click();
    h.workflow.picture1MouseDown(0, 0);
    h.workflow.picture1MouseDown(1449, 388);  // 15.0 degrees down
    const std::optional<Tilt> tilt = levelMeasureTilt(h.state());
    ASSERT_TRUE(tilt);
    EXPECT_EQ(tiltNotice(*tilt, ","),
              "15,0° 傾いています。横の距離では長さが 3,4 % 短く測られます。Ctrl+T "
              "で斜めの距離を測れます");

    Harness level;  // within a degree of level: silent
    level.workflow.option3Click();
    level.workflow.picture1MouseDown(0, 0);
    level.workflow.picture1MouseDown(1500, 26);
    EXPECT_FALSE(levelMeasureTilt(level.state()));
}
