// SPDX-License-Identifier: GPL-3.0-or-later
#include <QScrollBar>
#include <QWheelEvent>

#include "picture_files.h"
#include "picture_view.h"
#include "window_fixture.h"

// A 6000 x 4000 photo on the tests' 1280 x 1024 screen, looked at in its own pixels (it opens
// fitted into the view).
class LargePicture : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        view = window->findChild<PictureView*>();
        ASSERT_NE(view, nullptr);
        const QString photo = dir.filePath(QStringLiteral("photo.png"));
        ASSERT_TRUE(picture_files::write(photo, picture_files::blackPng(6000, 4000)));
        openBackground(photo);
        actualSize();
    }
    // 100 %, from the top-left corner.
    void actualSize() {
        QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
        ASSERT_EQ(window->area().level(), 1.0);
        across()->setValue(0);
        down()->setValue(0);
        QCoreApplication::processEvents();  // the bars show or hide once their ranges settle
    }
    QScrollBar* across() const { return view->horizontalScrollBar(); }
    QScrollBar* down() const { return view->verticalScrollBar(); }
    void wheel(QPoint angle, Qt::KeyboardModifiers modifiers) {
        const QPointF middle = QRectF(view->viewport()->rect()).center();
        QWheelEvent event(middle, view->viewport()->mapToGlobal(middle), {}, angle, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
    }
    // A point of the view near its right edge, in the window.
    QPoint nearRightEdge() const {
        const QWidget* seen = view->viewport();
        return seen->mapTo(window.get(), QPoint(seen->width() - 3, seen->height() / 2));
    }
    bool inView(QPoint inWindow) const {
        return view->viewport()->rect().contains(view->viewport()->mapFrom(window.get(), inWindow));
    }

    PictureView* view = nullptr;
};

TEST_F(LargePicture, TheWindowStaysOnTheScreenAndEveryPartIsWithinReach) {
    EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(window->frameGeometry()))
        << window->frameGeometry().width() << " x " << window->frameGeometry().height();
    EXPECT_TRUE(across()->isVisible());
    EXPECT_TRUE(down()->isVisible());
    EXPECT_EQ(c().Picture1->twips(), (TwipRect{2550, 30, 90030, 60030})) << "its own twips";
    EXPECT_EQ(c().Frame1->pos(), QPoint(2, -4)) << "the controls stay at the left";

    wheel({0, -120}, Qt::NoModifier);
    EXPECT_GT(down()->value(), 0);
    EXPECT_EQ(across()->value(), 0);
    wheel({0, -120}, Qt::ShiftModifier);
    EXPECT_GT(across()->value(), 0) << "Shift turns the wheel sideways";

    across()->setValue(across()->maximum());
    down()->setValue(down()->maximum());
    EXPECT_TRUE(inView(at(background(), {5999, 3999}))) << "the far corner";

    click(c().Option3);
    across()->setValue(4900);
    down()->setValue(3400);
    ASSERT_TRUE(inView(at(background(), {5000, 3500})));
    click(background(), {5000, 3500});
    EXPECT_EQ(state().bgStartX, 75000);
    EXPECT_EQ(state().bgStartY, 52500);
}

TEST_F(LargePicture, DraggingPastTheEdgeScrollsAndTheForegroundStaysUnderThePointer) {
    openForeground(writePicture(QStringLiteral("fg.png"), {100, 80}));
    press(c().Image1, {50, 40});
    QTest::mouseMove(window->windowHandle(), nearRightEdge());
    EXPECT_TRUE(QTest::qWaitFor([this] { return across()->value() > 100; }, 5000))
        << "scrolled while the pointer was held there";
    EXPECT_EQ(c().Image1->mapTo(window.get(), QPoint(50, 40)), nearRightEdge());
    const float left = c().Image1->twips().left;
    EXPECT_EQ(left, float((c().Image1->mapTo(background(), QPoint(0, 0)).x()) * kTwipsPerPixel));

    release(c().Image1, {50, 40});
    const int scrolled = across()->value();
    QTest::qWait(200);
    EXPECT_EQ(across()->value(), scrolled) << "the release ends it";
    EXPECT_EQ(c().Image1->twips().left, left);
}

TEST_F(LargePicture, AMeasureWiderThanTheViewIsTakenInOneGo) {
    click(c().Option3);
    click(background(), {100, 500});
    QTest::mouseMove(window->windowHandle(), nearRightEdge());
    EXPECT_TRUE(QTest::qWaitFor([this] { return across()->value() > 100; }, 5000));
    const QPoint end = c().Picture1->contents()->mapFrom(window.get(), nearRightEdge());
    EXPECT_GT(end.x(), view->viewport()->width()) << "beyond the first view";
    EXPECT_EQ(c().Line1->ends(), (LineEnds{1500, 7500, float(end.x() * kTwipsPerPixel), 7500}));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, nearRightEdge());
    EXPECT_EQ(state().bgEndX, end.x() * kTwipsPerPixel);
    EXPECT_EQ(state().mode, Mode::AwaitBgDistance);
}

TEST_F(LargePicture, ASmallBackgroundAfterwardsGivesTodaysWindowWithoutScrollBars) {
    across()->setValue(500);
    openBackground(writePicture(QStringLiteral("small.png"), {598, 398}));
    EXPECT_EQ(clientTwips(), QSize(11550, 6030));
    EXPECT_FALSE(across()->isVisible());
    EXPECT_FALSE(down()->isVisible());
    EXPECT_EQ(c().Picture1->mapTo(window.get(), QPoint(0, 0)), QPoint(170, 2));

    const QString panorama = dir.filePath(QStringLiteral("panorama.png"));
    ASSERT_TRUE(picture_files::write(panorama, picture_files::blackPng(4000, 500)));
    openBackground(panorama);
    actualSize();
    EXPECT_TRUE(across()->isVisible());
    EXPECT_FALSE(down()->isVisible()) << "a bar only where it is needed";
    EXPECT_EQ(down()->maximum(), 0);
}

TEST_F(LargePicture, WithoutAButtonOnlyTheBandInsideTheViewScrolls) {
    click(c().Option3);
    click(background(), {100, 500});
    QTest::mouseMove(window->windowHandle(), nearRightEdge());
    ASSERT_TRUE(QTest::qWaitFor([this] { return across()->value() > 100; }, 5000));

    const auto staysStill = [this](QPoint pointer, const char* where) {
        QTest::mouseMove(window->windowHandle(), pointer);
        QTest::qWait(50);  // a step under way may end
        const int scrolled = across()->value();
        const LineEnds line = c().Line1->ends();
        QTest::qWait(200);
        EXPECT_EQ(across()->value(), scrolled) << where;
        EXPECT_EQ(c().Line1->ends(), line) << where;
    };
    staysStill(at(c().Frame1, {40, 150}), "on the controls at the left");
    QScrollBar* bar = down();
    staysStill(bar->mapTo(window.get(), bar->rect().center()), "on the scroll bar");
}
