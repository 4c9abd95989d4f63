// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include "picture_area.h"
#include "picture_files.h"
#include "picture_view.h"
#include "window_fixture.h"

// Zoom, see-through and quarter turns: views and commands that change no twip.
class ZoomAndForegroundViews : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        view = window->findChild<PictureView*>();
        ASSERT_NE(view, nullptr);
    }
    void key(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(window.get(), key, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
    // Scrolls so that a point of the background's canvas is in the middle of the view.
    void bringIntoView(QPoint onCanvas) {
        const QPoint seen = background()->mapTo(view->viewport(), onCanvas);
        const QPoint by = seen - view->viewport()->rect().center();
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->value() + by.x());
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + by.y());
    }
    QImage onScreen() {
        QTest::qWait(50);
        return window->screen()->grabWindow(window->winId()).toImage();
    }

    PictureView* view = nullptr;
};

TEST_F(ZoomAndForegroundViews, TheSamePicturePointIsRecordedInTheSameTwipsAtAnyZoom) {
    openBackground(writePicture("plan.png", {598, 398}, Qt::white));
    openForeground(writePicture("sofa.png", {50, 40}));
    const TwipRect foreground = c().Image1->twips();
    struct Level {
        int steps;  // Ctrl+plus (positive) or Ctrl+minus from 100 %
        double zoom;
    };
    for (const Level level : {Level{-4, 0.25}, Level{0, 1.0}, Level{4, 4.0}}) {
        SCOPED_TRACE(level.zoom);
        key(Qt::Key_0);
        key(level.steps > 0 ? Qt::Key_Plus : Qt::Key_Minus, std::abs(level.steps));
        ASSERT_DOUBLE_EQ(window->area().level(), level.zoom);
        click(c().Option3);
        const QPoint point(qRound(400 * level.zoom), qRound(200 * level.zoom));  // 6000, 3000
        bringIntoView(point);
        click(background(), point);
        EXPECT_EQ(state().bgStartX, 6000);
        EXPECT_EQ(state().bgStartY, 3000);
        move(background(), point + QPoint(int(60 * level.zoom), 7));
        EXPECT_EQ(c().Line1->ends(), (LineEnds{6000, 3000, 6900, 3000}));
        EXPECT_EQ(c().Image1->twips(), foreground) << "its place and size stay";
    }
    // At 400 % a press lands between the picture's pixels: 6003.75 twips.
    click(background(), QPoint(1601, 800));
    EXPECT_EQ(state().bgEndX, 6004);
}

TEST_F(ZoomAndForegroundViews, CtrlWheelZoomsAboutThePointerAndFitShowsTheWholeBackground) {
    const QString photo = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(picture_files::write(photo, picture_files::blackPng(6000, 4000)));
    openBackground(photo);
    const double fitted = window->area().level();
    EXPECT_LT(fitted, 1.0) << "larger than the view: opened fitted";
    QCoreApplication::processEvents();
    EXPECT_TRUE(view->viewport()->rect().contains(
        QRect(background()->mapTo(view->viewport(), QPoint(0, 0)), background()->size())));
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    EXPECT_EQ(c().Picture1->twips(), (TwipRect{2550, 30, 90030, 60030})) << "its own twips";

    const QPointF pointer(300.5, 200.25);  // in the viewport
    const auto underPointer = [&] {
        return QPointF(background()->mapFrom(view->viewport(), QPoint(0, 0))) + pointer;
    };
    const QPointF before = underPointer() / fitted;  // picture pixels
    QWheelEvent wheel(pointer, view->viewport()->mapToGlobal(pointer), {}, {0, 240}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    const double zoomed = window->area().level();
    EXPECT_GT(zoomed, fitted);
    const QPointF after = underPointer() / zoomed;
    EXPECT_LE(std::abs(after.x() - before.x()) * zoomed, 1.0) << after.x() << " vs " << before.x();
    EXPECT_LE(std::abs(after.y() - before.y()) * zoomed, 1.0);

    key(Qt::Key_9);
    EXPECT_DOUBLE_EQ(window->area().level(), fitted);
}

// Step after step, from a plan smaller than the view, as large and larger, near every edge and
// in the middle: the plan's point under the pointer stays within a screen pixel, also where the
// view then shows beyond the plan's edge.
TEST_F(ZoomAndForegroundViews, CtrlWheelKeepsThePointUnderThePointerEverywhere) {
    openBackground(writePicture("plan.png", {1600, 1200}, Qt::white));
    const QSizeF seen = view->viewport()->size();
    const QPointF anchors[] = {{6.5, 6.5},
                               {seen.width() - 6.5, 6.5},
                               {6.5, seen.height() - 6.5},
                               {seen.width() - 6.5, seen.height() - 6.5},
                               {seen.width() / 2, seen.height() / 2}};
    for (const QPointF& pointer : anchors) {
        key(Qt::Key_9);
        const auto underPointer = [&] {  // in the plan's pixels
            return (QPointF(background()->mapFrom(view->viewport(), QPoint(0, 0))) + pointer) /
                   window->area().level();
        };
        for (int steps : {1, 1, 1, -1, -1, -1, -1, -1, -1, 1, 1, 1}) {
            const QPointF before = underPointer();
            QWheelEvent wheel(pointer, view->viewport()->mapToGlobal(pointer), {}, {0, 120 * steps},
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view->viewport(), &wheel);
            const QPointF drift = (underPointer() - before) * window->area().level();
            EXPECT_LE(std::abs(drift.x()), 1.0)
                << pointer.x() << ',' << pointer.y() << " at " << window->area().level();
            EXPECT_LE(std::abs(drift.y()), 1.0)
                << pointer.x() << ',' << pointer.y() << " at " << window->area().level();
        }
    }
    key(Qt::Key_9);
    EXPECT_EQ(view->horizontalScrollBar()->minimum(), 0) << "fitted: nothing beyond the plan";
}

TEST_F(ZoomAndForegroundViews, AQuarterTurnSwapsTheSizeExactlyAndKeepsTheCentre) {
    QImage sofa(100, 60, QImage::Format_RGB32);  // red along its top edge
    sofa.fill(Qt::darkCyan);
    for (int x = 0; x < 100; ++x) sofa.setPixelColor(x, 0, Qt::red);
    const QString path = dir.filePath("sofa.png");
    ASSERT_TRUE(sofa.save(path));
    openForeground(path);
    window->room().setForegroundTwips({1000.5f, 700.25f, 3187.5f, 1912.5f});  // dragged and resized
    key(Qt::Key_R);
    EXPECT_EQ(c().Image1->twips(), (TwipRect{1638, 62.75f, 1912.5f, 3187.5f}));
    EXPECT_EQ(c().Image1->picture().size(), QSize(60, 100));
    EXPECT_EQ(c().Image1->picture().pixelColor(59, 50), QColor(Qt::red)) << "top went right";
    key(Qt::Key_L);
    EXPECT_EQ(c().Image1->twips(), (TwipRect{1000.5f, 700.25f, 3187.5f, 1912.5f}));
    EXPECT_EQ(c().Image1->picture().pixelColor(50, 0), QColor(Qt::red));
}

TEST_F(ZoomAndForegroundViews, AHalfSeeThroughForegroundMixesWithTheBackgroundUnderAnOpaqueLine) {
    openBackground(writePicture("bg.png", {320, 320}, QColor(200, 40, 40)));
    openForeground(writePicture("fg.png", {100, 80}, QColor(40, 40, 200)));
    const WorkflowState before = state();
    key(Qt::Key_BracketLeft, 5);
    const QColor mixed = onScreen().pixelColor(at(c().Image1, {50, 40}));
    EXPECT_NEAR(mixed.red(), 120, 2);
    EXPECT_NEAR(mixed.green(), 40, 2);
    EXPECT_NEAR(mixed.blue(), 120, 2);
    EXPECT_EQ(state(), before) << "no workflow state";
    EXPECT_EQ(c().Image1->twips(), (TwipRect{0, 0, 1530, 1230})) << "no coordinate";

    click(c().Option3);
    click(background(), {10, 30});
    move(background(), {200, 30});
    EXPECT_EQ(onScreen().pixelColor(at(background(), {60, 30})), QColor(255, 0, 0))
        << "the line stays opaque above the foreground";
    key(Qt::Key_BracketRight, 9);  // no further than the picture's own pixels
    EXPECT_EQ(onScreen().pixelColor(at(c().Image1, {50, 40})), QColor(40, 40, 200));
}

TEST_F(ZoomAndForegroundViews, AForegroundIsNeverLostOutsideTheBackground) {
    openBackground(writePicture("plan.png", {598, 398}, Qt::white));
    openForeground(writePicture("photo.png", {200, 150}));
    window->room().setForegroundTwips(
        {-2250, -1500, 3030, 2280});  // dragged up and left, its corner inside
    click(c().Option3);
    click(background(), {300, 300});
    click(background(), {320, 300});  // 300 twips
    QTest::keyClicks(c().Text1, "10");
    click(background(), {300, 350});
    click(background(), {500, 350});  // 3000 twips
    QTest::keyClicks(c().Text2, "10");
    click(c().Command3);
    const TwipRect resized = c().Image1->twips();
    ASSERT_LT(resized.width, 400) << "reduced to about a tenth";
    const QPointF centre(299 * kTwipsPerPixel,
                         199 * kTwipsPerPixel);  // of the 598 x 398 background, all in view
    EXPECT_FLOAT_EQ(resized.left + resized.width / 2, centre.x()) << "wholly outside: centred";
    EXPECT_FLOAT_EQ(resized.top + resized.height / 2, centre.y());

    window->room().setForegroundTwips({-30000, -30000, resized.width, resized.height});
    key(Qt::Key_H);
    EXPECT_EQ(c().Image1->twips().width, resized.width) << "brought back at its size";
    EXPECT_FLOAT_EQ(c().Image1->twips().left + resized.width / 2, centre.x());
}

TEST_F(ZoomAndForegroundViews, AMeasureTakenWithAutoScrollAtHalfSizeEndsAtThePointer) {
    const QString photo = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(picture_files::write(photo, picture_files::blackPng(6000, 4000)));
    openBackground(photo);
    key(Qt::Key_0);
    key(Qt::Key_Minus, 2);
    ASSERT_DOUBLE_EQ(window->area().level(), 0.5);
    view->horizontalScrollBar()->setValue(0);
    view->verticalScrollBar()->setValue(0);
    click(c().Option3);
    click(background(), {50, 250});
    EXPECT_EQ(state().bgStartX, 1500);
    const QWidget* seen = view->viewport();
    const QPoint edge = seen->mapTo(window.get(), QPoint(seen->width() - 3, seen->height() / 2));
    QTest::mouseMove(window->windowHandle(), edge);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return view->horizontalScrollBar()->value() > 100; }, 5000));
    const QPoint end = background()->mapFrom(window.get(), edge);
    EXPECT_EQ(c().Line1->ends(), (LineEnds{1500, 7500, float(end.x() * 30), 7500}));
}

// A PDF page zoomed beyond the resolution it opened at is drawn again for the view: a line an
// eighth of a picture pixel wide is one screen pixel wide at 800 % and at 600 %, where the
// picture's own pixels would show eight or six faint ones; presses stay in the page's pixels.
TEST_F(ZoomAndForegroundViews, APdfPageZoomedInIsDrawnAgainSharpAndPressesKeepItsPixels) {
    const QString pdf = dir.filePath(QStringLiteral("hairline.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QSizeF(720, 360), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.fillRect(QRectF(36, 0, 0.045, 360), Qt::black);  // 1/8 of a pixel at 200 dpi
    }
    openBackground(pdf);
    ASSERT_EQ(c().Picture1->picture().size(), QSize(2000, 1000));
    const auto darkColumns = [this](int from, int to) {
        const QImage seen = background()->grab(QRect(from, 500, to - from, 1)).toImage();
        QString dark;
        for (int x = 0; x < seen.width(); ++x) {
            if (qGray(seen.pixel(x, 0)) < 128) dark += QString::number(from + x) + u' ';
        }
        return dark.toStdString();
    };
    struct Zoom {
        int minusSteps;  // from 800 %
        double level;
        const char* dark;
    };
    key(Qt::Key_Plus, 12);
    for (const Zoom zoom : {Zoom{0, 8.0, "800 "}, Zoom{1, 6.0, "600 "}}) {
        SCOPED_TRACE(zoom.level);
        key(Qt::Key_Minus, zoom.minusSteps);
        ASSERT_DOUBLE_EQ(window->area().level(), zoom.level);
        bringIntoView(QPoint(int(100 * zoom.level), 500));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return c().Picture1->scaledPicture().detailScale() == zoom.level; }, 10000));
        EXPECT_EQ(darkColumns(int(100 * zoom.level) - 10, int(100 * zoom.level) + 10), zoom.dark);
    }
    click(c().Option3);
    click(background(), QPoint(602, 600));  // a third into the 100th pixel across
    EXPECT_EQ(state().bgStartX, 1505);
    EXPECT_EQ(state().bgStartY, 1500);
    EXPECT_EQ(c().Picture1->picture().size(), QSize(2000, 1000)) << "the page as it opened";
}
