#include <QAction>
#include <QCursor>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "picture_files.h"
#include "picture_view.h"
#include "picture_zoom.h"
#include "real_input_fixture.h"
#include "view_tools.h"

namespace {

// Noise does not compress: a picture that takes a short while to read.
QString writeNoise(const QString& path, QSize size) {
    QImage noise(size, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
        for (int x = 0; x < size.width(); ++x) line[x] = (seed = seed * 1664525 + 1013904223);
    }
    EXPECT_TRUE(noise.save(path, "PNG", 100));  // stored, not compressed: quick to write
    return path;
}

}  // namespace

class RealMouse : public RealInput {
protected:
    void SetUp() override {
        RealInput::SetUp();
        openBackground(writePicture("plan.png", {598, 398}, Qt::white));
        openForeground(writePicture("sofa.png", {100, 60}));
        ASSERT_TRUE(waitFor([&] { return window->isActiveWindow(); }));
    }
};

TEST_F(RealMouse, AQuickPressAfterAClickDragsAndADoubleClickRecordsOnePoint) {
    const QPoint grab = onScreen(c().Image1, {20, 20});
    clickAt(c().Image1, {20, 20});
    pause(150);
    input.press();
    for (int i = 1; i <= 10; ++i) {
        input.moveTo(grab + QPoint(15, 10) * i);
        pause(15);
    }
    input.release();
    EXPECT_TRUE(waitFor(
        [&] { return c().Image1->twips().left == 150 * 15 && state().dragging == kFlagFalse; }));
    EXPECT_EQ(c().Image1->twips().top, 100 * 15);

    // Where a press records a point, a double-click records one point only.
    clickAt(c().Option3, c().Option3->rect().center());
    ASSERT_TRUE(waitFor([&] { return state().mode == Mode::AwaitBgStart; }));
    clickAt(background(), {400, 300});
    clickAt(background(), {400, 300});
    clickAt(background(), {500, 300});  // the end press, after the double-click's time
    EXPECT_TRUE(waitFor([&] { return state().mode == Mode::AwaitBgDistance; }));
    EXPECT_EQ(state().bgStartX, 400 * 15);
    EXPECT_EQ(state().bgEndX, 500 * 15) << "the second press of the double-click was no end";
}

// Through the real file dialog: Return in it, and a click on ② once it has gone and the window
// is active again, while the picture is read.
TEST_F(RealInput, AClickGivenDuringALoadAfterTheFileDialogCountsAfterIt) {
    const QString noise = writeNoise(dir.filePath(QStringLiteral("noise.png")), {3000, 2000});
    window = std::make_unique<MainWindow>(nullptr, QLocale(QLocale::English));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), 10000));
    enum { Choosing, Loading, Moved, Clicked } step = Choosing;
    bool clickedDuringTheLoad = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = QApplication::activeModalWidget();
        if (step == Choosing && dialog && dialog->isActiveWindow()) {
            step = Loading;
            dialog->findChild<QLineEdit*>()->setText(noise);
            input.keys({"Return"});
        } else if (step == Loading && !dialog && window->isActiveWindow()) {
            step = Moved;
            moveTo(c().Option2, c().Option2->rect().center());
        } else if (step == Moved) {
            step = Clicked;
            clickedDuringTheLoad = c().Picture1->picture().isNull();
            input.press();
            input.release();
        }
    });
    poll.start(10);
    clickAt(c().Command1, c().Command1->rect().center());
    EXPECT_TRUE(waitFor([&] { return c().Option2->isChecked(); }));
    EXPECT_TRUE(clickedDuringTheLoad) << "read too soon to test anything";
    EXPECT_EQ(c().Picture1->picture().size(), QSize(3000, 2000));
}

class RealView : public RealInput {
protected:
    // The picture point under the pointer, in twips.
    QPointF underPointer() const {
        const QWidget* canvas = c().Picture1->contents();
        return c().Picture1->twipsAt(QPointF(canvas->mapFromGlobal(QCursor::pos())));
    }
};

// Wherever the scroll range allows it: a bar that ends at its end could go no further.
TEST_F(RealView, CtrlWheelKeepsThePointUnderThePointerUpToThePicturesEdges) {
    openBackground(writePicture("plan.png", {6000, 4500}, Qt::white));
    auto* view = window->findChild<PictureView*>();
    QScrollBar* bars[] = {view->horizontalScrollBar(), view->verticalScrollBar()};
    input.keys({"Control_L", "0"});
    ASSERT_TRUE(waitFor([&] { return window->zoom().level() == 1.0; }));
    // The part of the view on the screen: a window as large as the screen may reach past it.
    const auto seen = [&] {
        return QRect(view->viewport()->mapToGlobal(QPoint(0, 0)), view->viewport()->size()) &
               window->screen()->geometry();
    };
    // Near the view's far corner at the picture's far corner, and in the middle of both.
    for (const bool farCorner : {true, false}) {
        for (QScrollBar* bar : bars) bar->setValue(farCorner ? bar->maximum() : bar->maximum() / 2);
        const QPoint at = farCorner ? seen().bottomRight() - QPoint(30, 30) : seen().center();
        input.moveTo(at);
        ASSERT_TRUE(waitFor([&] { return QCursor::pos() == at; }));
        for (int steps : {1, -1, -1, 1}) {
            const QPointF before = underPointer();
            const double level = window->zoom().level();
            input.wheel(steps, true);
            ASSERT_TRUE(waitFor([&] { return window->zoom().level() != level; }));
            const QPointF drift = underPointer() - before;
            const double pixel = 15 / window->zoom().level();  // a screen pixel, in twips
            const double allowed[] = {std::abs(drift.x()), std::abs(drift.y())};
            for (int axis : {0, 1}) {
                const QScrollBar* bar = bars[axis];
                if (bar->value() == bar->minimum() || bar->value() == bar->maximum()) continue;
                EXPECT_LE(allowed[axis], pixel) << (farCorner ? "far" : "middle") << " " << steps;
            }
        }
    }
}

// A tall plan fitted leaves the view's centre beside it: the foreground comes onto the plan.
TEST_F(RealView, CtrlHBringsTheForegroundOntoThePartOfThePlanInView) {
    openBackground(writePicture("plan.png", {2000, 6000}, Qt::white));
    openForeground(writePicture("sofa.png", {100, 60}));
    c().Image1->setTwips({-30000, -30000, 1530, 930});
    input.keys({"Control_L", "h"});
    ASSERT_TRUE(waitFor([&] { return c().Image1->twips().left != -30000; }));
    const TwipRect at = c().Image1->twips();
    const QPointF centre(at.left + at.width / 2, at.top + at.height / 2);
    EXPECT_GT(centre.x(), 0);
    EXPECT_LT(centre.x(), 2000 * 15) << "on the plan, not beside it";
    EXPECT_GT(centre.y(), 0);
    EXPECT_LT(centre.y(), 6000 * 15);
    const QRect onScreen(c().Image1->mapToGlobal(QPoint(0, 0)), c().Image1->size());
    const auto* view = window->findChild<PictureView*>();
    EXPECT_TRUE(QRect(view->viewport()->mapToGlobal(QPoint(0, 0)), view->viewport()->size())
                    .contains(onScreen.center()))
        << "and in view";
}

// Where the bar comes, on the smallest view: a press meant for the picture reaches it.
TEST_F(RealView, TheBarNeverTakesAPressMeantForThePicture) {
    openBackground(writePicture("plan.png", {298, 198}, Qt::white));
    openForeground(writePicture("sofa.png", {100, 60}));
    QWidget* bar = window->findChild<QWidget*>("ViewTools");
    const auto* view = window->findChild<PictureView*>();
    const QPoint corner = view->viewport()->mapToGlobal(QPoint(view->viewport()->width() - 20, 10));
    c().Image1->setTwips(
        {196 * 15, 0, 1530, 930});  // its right edge at the plan's, under the corner
    // A press right after the pointer came: a drag.
    input.moveTo(corner);
    pause(50);
    input.press();
    input.moveTo(corner + QPoint(-60, 40));
    input.release();
    EXPECT_TRUE(waitFor(
        [&] { return c().Image1->twips().left == 136 * 15 && state().dragging == kFlagFalse; }));
    EXPECT_FALSE(bar->isVisible());

    // Resting there brings the bar; a press awaited takes it away at once.
    c().Image1->setTwips({196 * 15, 0, 1530, 930});
    clickAt(c().Option3, c().Option3->rect().center());
    ASSERT_TRUE(waitFor([&] { return state().mode == Mode::AwaitBgStart; }));
    clickAt(background(), {20, 150});
    ASSERT_TRUE(waitFor([&] { return state().mode == Mode::AwaitBgEnd; }));
    clickAt(background(), {120, 150});
    ASSERT_TRUE(waitFor([&] { return state().mode == Mode::AwaitBgDistance; }));
    input.moveTo(corner);
    EXPECT_TRUE(waitFor([&] { return bar->isVisible(); })) << "the pointer rests in the corner";
    input.keys({"9"});
    ASSERT_TRUE(waitFor([&] { return state().mode == Mode::AwaitFgStart; }));
    EXPECT_FALSE(bar->isVisible());
    input.press();
    input.release();
    EXPECT_TRUE(waitFor([&] { return state().mode == Mode::AwaitFgEnd; })) << "recorded";
}

// Input given while a picture is read acts after it, shortcuts too; a press kept for later
// comes back with its release, though the release came once the progress window was up.
TEST_F(RealInput, InputDuringALoadActsAfterItWithItsRelease) {
    openBackground(writePicture("plan.png", {300, 200}, Qt::white));
    ASSERT_TRUE(waitFor([&] { return window->isActiveWindow(); }));
    int sent = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (sent == 0 && window->findChild<QProgressDialog*>()) {
            input.keys({"Control_L", "0"});
            sent = 1;
        }
    });
    poll.start(5);
    dialogs->answers.push_back(writeNoise(dir.filePath("noise.png"), {3000, 2000}));
    clickAt(c().Command1, c().Command1->rect().center());
    ASSERT_TRUE(waitFor([&] { return c().Picture1->picture().width() == 3000; }));
    EXPECT_TRUE(waitFor([&] { return window->zoom().level() == 1.0; }))
        << "Ctrl+0 given while reading shows the new plan at 100 %, not the old one "
        << window->zoom().level();
    poll.stop();

    openForeground(writePicture("sofa.png", {100, 60}));
    const QPoint onSofa = onScreen(c().Image1, {20, 20});
    const QString bomb = dir.filePath(QStringLiteral("bomb.jpg"));
    ASSERT_TRUE(picture_files::write(bomb, picture_files::scanBomb()));
    enum { Reading, Pressed, Released } step = Reading;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* progress = window->findChild<QProgressDialog*>();
        if (step == Reading && progress) {
            input.moveTo(onSofa);
            input.press();  // before the progress window
            step = Pressed;
        } else if (step == Pressed && progress && progress->isVisible()) {
            input.release();
            step = Released;
            auto* cancel = progress->findChild<QPushButton*>();
            clickAt(cancel, cancel->rect().center());
        }
    });
    poll.start(5);
    dialogs->answers.push_back(bomb);
    click(c().Command2);
    ASSERT_EQ(step, Released);
    EXPECT_TRUE(waitFor([&] { return state().dragging == kFlagFalse; })) << "released";
    const TwipRect before = c().Image1->twips();
    input.moveTo(onSofa + QPoint(40, 30));
    pause(200);
    EXPECT_EQ(c().Image1->twips(), before) << "no button is held: the sofa stays";
}
