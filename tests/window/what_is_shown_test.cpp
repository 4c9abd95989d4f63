// SPDX-License-Identifier: GPL-3.0-or-later
#include <QScreen>

#include "window_fixture.h"

// What the window really shows: its pixels on the screen after pending repaints, so that a
// change that is never repainted shows as the old picture.
class WhatIsShown : public WindowTest {
protected:
    QImage onScreen() {
        QTest::qWait(50);  // repaints are requested, then done on the next frame
        return window->screen()->grabWindow(window->winId()).toImage();
    }
    QColor shownAt(const QWidget* widget, QPoint local) {
        return onScreen().pixelColor(at(widget, local));
    }
};

TEST_F(WhatIsShown, TheMeasuringLineIsRedWhereThePointsSayAndFollowsThePointer) {
    openBackground(writePicture("bg.png", {598, 398}, Qt::white));  // past the first box
    click(c().Option3);
    click(background(), {100, 300});
    move(background(), {580, 300});
    EXPECT_EQ(shownAt(background(), {340, 300}), QColor(255, 0, 0));
    EXPECT_EQ(shownAt(background(), {575, 300}), QColor(255, 0, 0)) << "drawn to the far end";
    EXPECT_EQ(shownAt(background(), {340, 301}), QColor(Qt::white)) << "one pixel wide";
    EXPECT_EQ(shownAt(background(), {590, 300}), QColor(Qt::white)) << "and no further";

    move(background(), {200, 300});
    EXPECT_EQ(shownAt(background(), {150, 300}), QColor(255, 0, 0));
    EXPECT_EQ(shownAt(background(), {340, 300}), QColor(Qt::white)) << "the old line is gone";
}

TEST_F(WhatIsShown, EveryPictureLoadedIsShownEvenInPlaceOfOneOfTheSameSize) {
    openBackground(writePicture("bg1.png", {320, 320}, QColor(200, 40, 40)));
    EXPECT_EQ(shownAt(background(), {200, 200}), QColor(200, 40, 40));
    openBackground(writePicture("bg2.png", {320, 320}, QColor(40, 200, 40)));
    EXPECT_EQ(shownAt(background(), {200, 200}), QColor(40, 200, 40));

    openForeground(writePicture("fg1.png", {40, 30}, QColor(40, 40, 200)));
    EXPECT_EQ(shownAt(c().Image1, {20, 15}), QColor(40, 40, 200));
    dialogs->answers.push_back(writePicture("fg2.png", {40, 30}, QColor(200, 200, 40)));
    click(c().Command2);
    EXPECT_EQ(shownAt(c().Image1, {20, 15}), QColor(200, 200, 40));
    EXPECT_EQ(shownAt(background(), {200, 200}), QColor(40, 200, 40)) << "around the foreground";
}

namespace {

// The columns and rows of a label where its text is drawn (darker than its background).
struct Ink {
    int left = INT_MAX, right = -1;
    int lines = 0;  // bands of rows with ink, separated by rows without
};

Ink inkOf(QWidget* label) {
    const QImage image = label->grab().toImage();
    const int paper = qGray(image.pixel(0, 0));
    Ink ink;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        bool rowHasInk = false;
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= paper - 80) continue;
            rowHasInk = true;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
        if (rowHasInk && !inLine) ++ink.lines;
        inLine = rowHasInk;
    }
    return ink;
}

}  // namespace

TEST_F(WhatIsShown, ReadoutsAreCentredAndALongMessageWrapsInsideTheStatusLine) {
    c().Label2->setText(QStringLiteral("1pixel=0.04mm"));
    const Ink readout = inkOf(c().Label2);
    ASSERT_GE(readout.right, 0);
    EXPECT_LE(std::abs(readout.left - (c().Label2->width() - 1 - readout.right)), 2)
        << readout.left << " .. " << readout.right;

    c().Label1->setText(QStringLiteral("変更ボタンを押して画像を拡大縮小して下さい"));
    const Ink message = inkOf(c().Label1);
    EXPECT_EQ(message.lines, 2);
    EXPECT_LT(message.right, c().Label1->width());
}
