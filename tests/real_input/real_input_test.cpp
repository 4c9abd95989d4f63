// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QClipboard>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include "first_answer_then.h"
#include "picture_area.h"
#include "picture_files.h"
#include "picture_view.h"
#include "real_input_fixture.h"

TEST_F(RealInput, AQuickPressAfterAClickDragsAndADoubleClickRecordsOnePoint) {
    openBackground(writePicture("plan.png", {598, 398}, Qt::white));
    openForeground(writePicture("sofa.png", {100, 60}));
    ASSERT_TRUE(waitFor([&] { return window->isActiveWindow(); }));
    const QPoint grab = onScreen(c().Image1, {20, 20});
    clickAt(c().Image1, {20, 20});
    pause(150);
    input.press();
    for (int i = 1; i <= 10; ++i) {
        input.moveTo(grab + QPoint(15, 10) * i);
        pause(15);
    }
    input.release();
    EXPECT_TRUE(waitFor([&] {
        return c().Image1->twips().left == 150 * kTwipsPerPixel && state().dragging == kFlagFalse;
    }));
    EXPECT_EQ(c().Image1->twips().top, 100 * kTwipsPerPixel);

    // Where a press records a point, a double-click records one point only.
    click(c().Option3);
    clickAt(background(), {400, 300});
    clickAt(background(), {400, 300});
    clickAt(background(), {500, 300});  // far from the double-click: the end press
    EXPECT_TRUE(waitFor([&] { return state().mode == Mode::AwaitBgDistance; }));
    EXPECT_EQ(state().bgStartX, 400 * kTwipsPerPixel);
    EXPECT_EQ(state().bgEndX, 500 * kTwipsPerPixel)
        << "the second press of the double-click was no end";
}

// Near the far corner of a plan shown at 100 %, scrolled to that corner, and near the near
// corner from 12.5 %, where the plan is smaller than the view: the point under the pointer stays.
TEST_F(RealInput, CtrlWheelKeepsThePointUnderThePointerAtThePicturesEdges) {
    openBackground(writePicture("plan.png", {6000, 4500}, Qt::white));
    auto* view = window->findChild<PictureView*>();
    QScrollBar* bars[] = {view->horizontalScrollBar(), view->verticalScrollBar()};
    input.keys({"Control_L", "0"});
    ASSERT_TRUE(waitFor([&] { return window->area().level() == 1.0; }));
    for (QScrollBar* bar : bars) bar->setValue(bar->maximum());
    // On the part of the view on the screen: a window as large as the screen may reach past it.
    const QRect seen =
        QRect(view->viewport()->mapToGlobal(QPoint(0, 0)), view->viewport()->size()) &
        window->screen()->geometry();
    const auto keepsThePoint = [&](QPoint at, std::initializer_list<int> steps) {
        input.moveTo(at);
        ASSERT_TRUE(waitFor([&] { return QCursor::pos() == at; }));
        const auto underPointer = [&] {
            return window->area().backgroundTwipsAt(window->mapFromGlobal(QPointF(at)));
        };
        for (int step : steps) {
            const QPointF before = underPointer();
            const double level = window->area().level();
            input.wheel(step, true);
            ASSERT_TRUE(waitFor([&] { return window->area().level() != level; }));
            const QPointF drift = (underPointer() - before) * window->area().level();
            EXPECT_LE(std::abs(drift.x()), kTwipsPerPixel) << "a screen pixel; " << step;
            EXPECT_LE(std::abs(drift.y()), kTwipsPerPixel) << "a screen pixel; " << step;
        }
    };
    keepsThePoint(seen.bottomRight() - QPoint(30, 30), {1, -1, -1, 1});
    input.keys({"Control_L", "0"});
    for (int i = 0; i < 5; ++i) input.keys({"Control_L", "minus"});
    ASSERT_TRUE(waitFor([&] { return window->area().level() == 0.125; }));
    keepsThePoint(seen.topLeft() + QPoint(40, 40), {1, 1, -1, -1, -1, 1});
}

TEST_F(RealInput, CtrlHBringsTheForegroundOntoThePartOfThePlanInView) {
    openBackground(writePicture("plan.png", {2000, 6000}, Qt::white));
    openForeground(writePicture("sofa.png", {100, 60}));
    window->room().setForegroundTwips({-30000, -30000, 1530, 930});
    input.keys({"Control_L", "h"});
    ASSERT_TRUE(waitFor([&] { return c().Image1->twips().left != -30000; }));
    const TwipRect at = c().Image1->twips();
    EXPECT_TRUE(QRectF(0, 0, 2000 * kTwipsPerPixel, 6000 * kTwipsPerPixel)
                    .contains(QPointF(at.left + at.width / 2, at.top + at.height / 2)))
        << "on the plan, not beside it: " << at.left;
    const auto* seen = window->findChild<PictureView*>()->viewport();
    EXPECT_TRUE(seen->rect().contains(
        seen->mapFromGlobal(c().Image1->mapToGlobal(c().Image1->rect().center()))))
        << "and in view";
}

// Every name a screen reader can reach from the window.
static void spokenNames(QAccessibleInterface* node, QStringList& names) {
    if (!node) return;
    names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) spokenNames(node->child(i), names);
}

// Where the bar comes, on the smallest view: a press meant for the picture reaches it.
TEST_F(RealInput, TheBarNeverTakesAPressMeantForThePictureAndIsHeard) {
    QWidget* bar = window->findChild<QWidget*>("CommandBar");
    const QWidget* seen = window->findChild<PictureView*>()->viewport();
    input.moveTo(seen->mapToGlobal(QPoint(seen->width() - 20, 10)));
    pause(700);
    EXPECT_FALSE(bar->isVisible()) << "no picture yet: the described window alone";
    openBackground(writePicture("plan.png", {298, 198}, Qt::white));
    openForeground(writePicture("sofa.png", {100, 60}));
    const QPoint corner = seen->mapToGlobal(QPoint(seen->width() - 20, 10));
    // Its right edge at the plan's.
    const TwipRect underCorner{float(196 * kTwipsPerPixel), 0, 1530, 930};
    window->room().setForegroundTwips(underCorner);
    input.moveTo(corner);
    pause(50);
    input.press();  // right after the pointer came: a drag
    input.moveTo(corner + QPoint(-60, 40));
    input.release();
    EXPECT_TRUE(waitFor([&] {
        return c().Image1->twips().left == 136 * kTwipsPerPixel && state().dragging == kFlagFalse;
    }));
    EXPECT_FALSE(bar->isVisible());

    // Resting there brings the bar, whole in the view; a press awaited takes it away at once.
    window->room().setForegroundTwips(underCorner);
    click(c().Option3);
    click(background(), {20, 150});
    click(background(), {120, 150});
    ASSERT_EQ(state().mode, Mode::AwaitBgDistance);
    input.moveTo(corner);
    EXPECT_TRUE(waitFor([&] { return bar->isVisible(); })) << "the pointer rests in the corner";
    EXPECT_TRUE(seen->rect().contains(QRect(seen->mapFrom(window.get(), bar->pos()), bar->size())));
    input.keys({"9"});
    ASSERT_TRUE(waitFor([&] { return state().mode == Mode::AwaitFgStart; }));
    EXPECT_FALSE(bar->isVisible());
    input.press();
    input.release();
    EXPECT_TRUE(waitFor([&] { return state().mode == Mode::AwaitFgEnd; })) << "recorded";

    QStringList names;
    spokenNames(QAccessible::queryAccessibleInterface(window.get()), names);
    for (const char* name :
         {"拡大", "前景画像を右に 90° 回す", "斜めの距離で測る", "表示倍率 100%"}) {
        EXPECT_TRUE(names.contains(QString::fromUtf8(name))) << name;
    }
}

// Input given while a picture is read acts after it, shortcuts too; a press kept for later
// comes back with its release, though the release came once the progress window was up.
TEST_F(RealInput, InputDuringALoadActsAfterItWithItsRelease) {
    openBackground(writePicture("plan.png", {300, 200}, Qt::white));
    ASSERT_TRUE(waitFor([&] { return window->isActiveWindow(); }));
    const QString plan = dir.filePath(QStringLiteral("large.png"));
    ASSERT_TRUE(picture_files::write(plan, picture_files::blackPng(6000, 4000)));
    bool sent = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (sent || !window->findChild<QProgressDialog*>()) return;  // not yet reading
        input.keys({"Control_L", "0"});
        sent = true;
    });
    poll.start(5);
    dialogs->answers.push_back(plan);
    clickAt(c().Command1, c().Command1->rect().center());
    ASSERT_TRUE(waitFor([&] { return c().Picture1->picture().width() == 6000; }));
    EXPECT_TRUE(waitFor([&] { return window->area().level() == 1.0; }))
        << "Ctrl+0 given while reading shows the new plan at 100 %, not fitted: "
        << window->area().level();
    poll.stop();
    poll.disconnect();

    openForeground(writePicture("sofa.png", {100, 60}));
    const QPoint onSofa = onScreen(c().Image1, c().Image1->rect().center());
    // A page PDFium draws without end: only ending its reader stops it.
    const QString runaway = dir.filePath(QStringLiteral("runaway.pdf"));
    ASSERT_TRUE(picture_files::write(runaway, picture_files::selfDrawingPdf()));
    enum { Reading, Pressed, Released } step = Reading;
    QElapsedTimer clock;
    clock.start();
    qint64 cancelledAt = -1;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* progress = window->findChild<QProgressDialog*>();
        if (step == Reading && progress) {
            input.moveTo(onSofa);
            input.press();  // before the progress window
            step = Pressed;
        } else if (step == Pressed && progress && progress->windowHandle() &&
                   progress->windowHandle()->isExposed()) {  // where the window manager put it
            input.release();
            step = Released;
            auto* cancel = progress->findChild<QPushButton*>();
            clickAt(cancel, cancel->rect().center());
            cancelledAt = clock.elapsed();
        }
    });
    poll.start(5);
    dialogs->answers.push_back(runaway);
    click(c().Command2);
    ASSERT_EQ(step, Released);
    EXPECT_LT(clock.elapsed() - cancelledAt, 1000) << "the reader is ended at the click";
    EXPECT_TRUE(dialogs->reports.empty()) << "cancelled, not stopped at a limit";
    EXPECT_TRUE(waitFor([&] { return state().dragging == kFlagFalse; })) << "released";
    const TwipRect before = c().Image1->twips();
    input.moveTo(onSofa + QPoint(40, 30));
    pause(200);
    EXPECT_EQ(c().Image1->twips(), before) << "no button is held: the sofa stays";
}

// A room furnished through the X server: a plan, three pieces, one made the foreground again by
// a double-click and moved, one removed, two steps taken back.
TEST_F(RealInput, ARoomIsFurnishedPieceByPieceAndStepsAreTakenBack) {
    openBackground(writePicture("plan.png", {598, 398}, Qt::white));
    openForeground(writePicture("sofa.png", {150, 70}, QColor(150, 60, 40)));
    const auto next = [&](const char* name, QSize size, QColor colour, QPoint to) {
        window->room().setForegroundTwips({float(to.x() * kTwipsPerPixel),
                                           float(to.y() * kTwipsPerPixel),
                                           c().Image1->twips().width, c().Image1->twips().height});
        click(c().Option1);  // no press awaited
        dialogs->answers.push_back(writePicture(name, size, colour));
        const int kept = window->area().pieces().count();
        input.keys({"Control_L", "n"});
        ASSERT_TRUE(waitFor([&] { return window->area().pieces().count() == kept + 1; }));
    };
    next("table.png", {90, 60}, QColor(60, 90, 150), {40, 40});
    next("lamp.png", {40, 40}, QColor(200, 170, 40), {300, 60});
    next("shelf.png", {60, 120}, QColor(90, 130, 70), {200, 220});
    ASSERT_EQ(window->area().pieces().count(), 3);
    click(c().Option1);

    // The sofa, under the shelf's corner of the plan no more: a double-click chooses it.
    const QPoint sofa(40 + 75, 40 + 35);
    moveTo(background(), sofa);
    input.doubleClick();
    ASSERT_TRUE(waitFor([&] { return c().Image1->twips().width == 152 * kTwipsPerPixel; }));
    EXPECT_EQ(window->area().pieces().count(), 3) << "the shelf took the sofa's place as a piece";
    pause(600);  // past the double-click time: the next press starts a drag
    moveTo(background(), sofa);
    input.press();
    for (int i = 1; i <= 5; ++i) {
        moveTo(background(), sofa + QPoint(20, 40) * i / 5);
        pause(15);
    }
    input.release();
    EXPECT_TRUE(waitFor([&] {
        return c().Image1->twips().left == 60 * kTwipsPerPixel && state().dragging == kFlagFalse;
    }));

    // The lamp, pointed at and removed; then both steps back.
    moveTo(background(), {220, 240});
    input.keys({"Delete"});
    ASSERT_TRUE(waitFor([&] { return window->area().pieces().count() == 2; }));
    // Asked for, the room is kept as a picture (the README's).
    if (const QString shot = qEnvironmentVariable("POKOTAMU_SCREENSHOT"); !shot.isEmpty()) {
        window->grab().save(shot);
    }
    input.keys({"Control_L", "z"});
    ASSERT_TRUE(waitFor([&] { return window->area().pieces().count() == 3; }));
    input.keys({"Control_L", "z"});
    EXPECT_TRUE(waitFor([&] { return c().Image1->twips().left == 40 * kTwipsPerPixel; }));
}

TEST_F(RealInput, ARoomIsSavedExportedAndTheCloseAsksOnlyOnceItChanged) {
    openBackground(writePicture("plan.png", {400, 300}, Qt::white));
    openForeground(writePicture("sofa.png", {150, 70}, QColor(150, 60, 40)));
    click(c().Option1);
    dialogs->answers.push_back(writePicture("table.png", {90, 60}, QColor(60, 90, 150)));
    input.keys({"Control_L", "n"});
    ASSERT_TRUE(waitFor([&] { return window->area().pieces().count() == 1; }));
    click(c().Option1);

    dialogs->answers.push_back(dir.filePath("room.png"));
    input.keys({"Control_L", "e"});
    EXPECT_TRUE(
        waitFor([&] { return QImage(dir.filePath("room.png")).size() == QSize(400, 300); }));
    dialogs->answers.push_back(dir.filePath("room.pokotamu"));
    input.keys({"Control_L", "s"});
    EXPECT_TRUE(waitFor([&] { return QFile::exists(dir.filePath("room.pokotamu")); }));

    // Opened again, printed at a scale and copied, by the keys a user knows.
    c().Image1->hide();
    dialogs->answers.push_back(dir.filePath("room.pokotamu"));
    input.keys({"Control_L", "o"});
    EXPECT_TRUE(waitFor([&] { return c().Image1->isVisible(); }));
    EXPECT_EQ(window->area().pieces().count(), 1);
    QGuiApplication::clipboard()->clear();
    input.keys({"Control_L", "c"});
    EXPECT_TRUE(
        waitFor([&] { return QGuiApplication::clipboard()->image().size() == QSize(400, 300); }));

    // Saved and unchanged, the window would close at once; a nudge later the close asks.
    c().Picture1->setFocus();  // the arrows are an option's own while it has the focus
    input.keys({"Right"});
    ASSERT_TRUE(waitFor([&] { return c().Image1->twips().left == 1 * kTwipsPerPixel; }));
    dialogs->beforeClose = KeepingDialogs::BeforeClose::Cancel;
    input.keys({"Alt_L", "F4"});  // the window manager's close
    ASSERT_TRUE(waitFor([&] { return dialogs->closeAsked == 1; }));
    EXPECT_TRUE(window->isVisible());
    dialogs->beforeClose = KeepingDialogs::BeforeClose::Discard;
    input.keys({"Alt_L", "F4"});
    EXPECT_TRUE(waitFor([&] { return !window->isVisible(); }));
    EXPECT_EQ(dialogs->closeAsked, 2);
}

// Every reader holds back the whole picture for six seconds, after its reduced copy.
class RealInputSlowWhole : public RealInput {
    FirstAnswerThen slowWhole{QStringLiteral("sleep 6; cat")};
};

// A large plan shown from its reduced copy takes the mouse and the keyboard at once: measured
// and its length typed before it is whole, and the whole changes nothing of it.
TEST_F(RealInputSlowWhole, AReducedPlanIsMeasuredBeforeItIsWhole) {
    QImage plan(4000, 3000, QImage::Format_RGB32);
    plan.fill(Qt::white);
    ASSERT_TRUE(plan.save(dir.filePath(QStringLiteral("plan.jpg")), "JPEG"));
    dialogs->answers.push_back(dir.filePath(QStringLiteral("plan.jpg")));
    clickAt(c().Command1, c().Command1->rect().center());
    ASSERT_TRUE(waitFor([&] { return c().Picture1->picture().width() == 4000; }));
    ASSERT_TRUE(c().Picture1->scaledPicture().waitsForPixels());
    // Fitted to the plan, the window is placed again by the window manager: until it stands
    // still, its controls are not yet where they show.
    ASSERT_TRUE(waitUntilPlaced(*window));

    clickAt(c().Option3, {6, 6});
    ASSERT_TRUE(waitFor([&] { return c().Option3->isChecked(); }));
    clickAt(background(), {40, 60});
    pause(400);  // two presses, not a double-click
    clickAt(background(), {540, 60});
    ASSERT_TRUE(waitFor([&] { return c().Text1->hasFocus(); }));
    input.keys({"5"});
    input.keys({"0"});
    input.keys({"0"});
    input.keys({"0"});
    ASSERT_TRUE(waitFor([&] { return c().Text1->text() == QStringLiteral("5000"); }));
    EXPECT_TRUE(c().Picture1->scaledPicture().waitsForPixels()) << "all of it before the whole";
    const WorkflowState measured = state();
    const QString readout = c().Label2->text();
    EXPECT_NE(measured.bgMmPerUnit, Currency{});

    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !c().Picture1->scaledPicture().waitsForPixels(); }, 20000));
    EXPECT_EQ(state(), measured);
    EXPECT_EQ(c().Label2->text(), readout);
}

// A plan opened before the window manager has framed the window, as on a first start whose plan
// is chosen at once: once the frame is told, the whole window stands within the free area.
TEST_F(RealInput, APlanOpenedBeforeTheFrameIsToldLeavesTheWindowOnTheScreen) {
    const QString plan = writePicture("large.png", {3000, 2000}, Qt::white);
    auto* dialogs = new ScriptedDialogs;  // owned by the window
    MainWindow fresh(dialogs, QLocale(QLocale::English, QLocale::UnitedStates), dialogs);
    XSession::holdWindowManager(true);
    const std::unique_ptr<XSession, void (*)(XSession*)> goesOn(
        nullptr, [](XSession*) { XSession::holdWindowManager(false); });
    fresh.show();
    fresh.openBackground(plan);  // fitted before the window manager has framed the window
    XSession::holdWindowManager(false);
    const QRect free = fresh.screen()->availableGeometry();
    // The window manager maps the window at the size it was shown at, then takes the fit: the
    // window is framed once before it is fitted.
    const auto framedInside = [&] {
        const QRect frame = fresh.frameGeometry();
        return frame.height() > fresh.height() && free.contains(frame) &&
               fresh.width() > free.width() * 9 / 10;
    };
    EXPECT_TRUE(waitFor(framedInside))
        << fresh.frameGeometry().width() << " x " << fresh.frameGeometry().height() << " at "
        << fresh.frameGeometry().y() << " on " << free.width() << " x " << free.height()
        << ", as large as the screen allows; plan " << fresh.room().hasPlan() << " reports "
        << dialogs->reports.size();
}
