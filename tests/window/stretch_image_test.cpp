// SPDX-License-Identifier: GPL-3.0-or-later
#include <QElapsedTimer>

#include "window_fixture.h"

class Stretching : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QImage picture(100, 60, QImage::Format_RGB32);  // green left half, blue right half
        picture.fill(QColor(10, 200, 30));
        for (int y = 0; y < 60; ++y) {
            for (int x = 50; x < 100; ++x) picture.setPixelColor(x, y, QColor(20, 40, 220));
        }
        PlacedPicture placed;
        placed.picture = picture;
        placed.twips = {0, 0, 3000, 1800};  // twice the picture's size
        window->room().setForeground(placed);
    }
    QColor shownAt(QPoint inPicture1) {
        return window->grab().toImage().pixelColor(at(c().Picture1->contents(), inPicture1));
    }
};

TEST_F(Stretching, IsPaintedFromThePictureItselfOrFromReducedCopiesMadeOnce) {
    const QColor green(10, 200, 30), blue(20, 40, 220);
    EXPECT_EQ(shownAt({50, 60}), green);
    EXPECT_EQ(shownAt({150, 60}), blue);
    window->room().setForegroundTwips({1500, 750, 3000, 1800});
    EXPECT_EQ(shownAt({150, 110}), green) << "moved";
    EXPECT_EQ(shownAt({250, 110}), blue);
    EXPECT_EQ(c().Image1->scaledPicture().reducedPixels(), 0) << "no copy at twice the size";

    window->room().setForegroundTwips({0, 0, 375, 225});  // a quarter of the picture's size
    EXPECT_EQ(shownAt({6, 7}), green);
    EXPECT_EQ(shownAt({19, 7}), blue);
    EXPECT_EQ(c().Image1->scaledPicture().reducedPixels(), 25 * 15) << "a quarter alone";
    window->room().setForegroundTwips({0, 0, 3000, 1800});
    EXPECT_EQ(shownAt({50, 60}), green);
    EXPECT_EQ(c().Image1->scaledPicture().reducedPixels(), 25 * 15) << "kept, made once";
}

TEST_F(Stretching, AHugeStretchKeepsNoCopyAndPaintsOnlyWhatShows) {
    // 16 million pixels a side
    window->room().setForegroundTwips({-1.5e7f, -1.0e7f, 2.4e8f, 2.4e8f});
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(shownAt({20, 20}), QColor(10, 200, 30));
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(c().Image1->scaledPicture().reducedPixels(), 0);
    EXPECT_EQ(c().Image1->twips().width, 2.4e8f) << "the twips are kept as set";
}

TEST_F(Stretching, WithoutAPictureNothingIsDrawn) {
    PlacedPicture empty;
    empty.twips = {0, 0, 3000, 1800};
    window->room().setForeground(empty);
    const QColor background = shownAt({300, 300});  // outside the foreground
    EXPECT_EQ(shownAt({150, 100}), background);
}
