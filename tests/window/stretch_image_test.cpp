#include <QElapsedTimer>

#include "window_fixture.h"

class Stretching : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QImage picture(100, 60, QImage::Format_RGB32);
        picture.fill(QColor(10, 200, 30));
        c().Image1->setPicture(picture);
        c().Image1->setTwips({0, 0, 3000, 1800});  // twice the picture's size
    }
    QColor shownAt(QPoint inPicture1) {
        return window->grab().toImage().pixelColor(at(c().Picture1->contents(), inPicture1));
    }
};

TEST_F(Stretching, TheStretchIsMadeOnceAndReusedWhileDragging) {
    EXPECT_EQ(shownAt({150, 100}), QColor(10, 200, 30));
    ASSERT_NE(c().Image1->stretchedCopy(), nullptr);
    const qint64 stretched = c().Image1->stretchedCopy()->cacheKey();
    EXPECT_EQ(c().Image1->stretchedCopy()->size(), QSize(200, 120));

    c().Image1->setExtent(Extent::Left, 1500);
    c().Image1->setExtent(Extent::Top, 750);
    EXPECT_EQ(shownAt({250, 150}), QColor(10, 200, 30));
    EXPECT_EQ(c().Image1->stretchedCopy()->cacheKey(), stretched) << "a move rescales nothing";

    c().Image1->setExtent(Extent::Width, 1500);
    window->grab();
    EXPECT_EQ(c().Image1->stretchedCopy()->size(), QSize(100, 120)) << "a new size, a new stretch";
}

TEST_F(Stretching, AHugeStretchKeepsNoCopyAndPaintsOnlyWhatShows) {
    c().Image1->setTwips({-1.5e7f, -1.0e7f, 2.4e8f, 2.4e8f});  // 16 million pixels a side
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(shownAt({20, 20}), QColor(10, 200, 30));
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(c().Image1->stretchedCopy(), nullptr);
    EXPECT_EQ(c().Image1->twips().width, 2.4e8f) << "the twips are kept as set";
}

TEST_F(Stretching, WithoutAPictureNothingIsDrawn) {
    c().Image1->setPicture(QImage());
    const QColor background = shownAt({300, 300});  // outside the foreground
    EXPECT_EQ(shownAt({150, 100}), background);
}
