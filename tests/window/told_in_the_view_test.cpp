// SPDX-License-Identifier: GPL-3.0-or-later
// What the window says beside its described controls, and where: the modes of a press and what
// was just done on the picture's status line, notes inside the view, a resized foreground in it.
#include <QAction>
#include <QScrollBar>

#include "command_bar.h"
#include "furnished_room.h"
#include "picture_area.h"
#include "picture_status.h"
#include "picture_view.h"
#include "plane_note.h"

class ToldInTheView : public FurnishingARoom {
protected:
    const PictureStatus& status() const { return window->status(); }
    QString said() const { return status().isVisible() ? status().text() : QString(); }
};

// The two modes a press can be in, each with its way out, heard as shown; a step taken back
// says which; a file written says its name. At rest nothing of it shows.
TEST_F(ToldInTheView, ThePicturesStatusSaysTheModesAndWhatWasDone) {
    c().Picture1->setFocus();
    EXPECT_EQ(said(), "");
    key(Qt::Key_M);
    EXPECT_EQ(said(), "長さを測っています：ドラッグで測ります（Esc で終わる）");
    key(Qt::Key_T);
    EXPECT_EQ(said(), "長さを測っています：ドラッグで測ります（Esc で終わる）\n"
                      "斜めの距離で測ります（Ctrl+T で水平に戻す）");
    EXPECT_EQ(status().accessibleName(), said());
    key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(said(), "斜めの距離で測ります（Ctrl+T で水平に戻す）");
    key(Qt::Key_T);
    EXPECT_EQ(said(), "");

    key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);  // a degree
    EXPECT_TRUE(window->commandBar().action(Command::Undo).toolTip().startsWith(
        "元に戻す：前景画像を右に 1° 回す"));
    key(Qt::Key_Z);
    EXPECT_EQ(said(), "元に戻しました：前景画像を右に 1° 回す");
    key(Qt::Key_Y);
    EXPECT_EQ(said(), "やり直しました：前景画像を右に 1° 回す");
    dialogs->answers.push_back(dir.filePath("room"));
    key(Qt::Key_S);
    EXPECT_EQ(said(), "書きました：" + dir.filePath("room.pokotamu"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return said().isEmpty(); }, 6000)) << "said for a moment";
}

// Shrunk by 「変  更」 while the view shows the foreground's middle, the foreground is brought
// into view by the view, not moved; a note at the view's edge stays inside it.
TEST_F(ToldInTheView, AResizedForegroundAndEveryNoteStayInTheView) {
    click(c().Option1);
    openBackground(writePicture("plan.png", {2000, 1500}, Qt::white));
    openForeground(writePicture("wall.png", {1600, 1200}, Qt::darkGreen));
    c().Picture1->setFocus();
    key(Qt::Key_0);  // 100 %, from the top-left corner
    auto* view = window->findChild<PictureView*>();
    view->horizontalScrollBar()->setValue(0);
    view->verticalScrollBar()->setValue(0);
    click(c().Option3);
    click(background(), {10, 10});
    click(background(), {210, 10});
    type("1000");  // 200 px are 1000 mm
    ASSERT_EQ(state().mode, Mode::AwaitFgStart);
    view->horizontalScrollBar()->setValue(700);  // the view shows the wall's middle
    view->verticalScrollBar()->setValue(500);
    const QRectF shown = window->area().shownTwips();
    click(c().Image1, c().Image1->mapFrom(view->viewport(), QPoint(20, 200)));
    click(c().Image1, c().Image1->mapFrom(view->viewport(), QPoint(420, 200)));
    type("100");  // 400 px are 100 mm: the wall becomes a twentieth of its size
    const TwipRect before = c().Image1->twips();
    ASSERT_EQ(state().mode, Mode::ReadyToResize);
    click(c().Command3);
    const TwipRect after = c().Image1->twips();
    EXPECT_EQ(after.left, before.left) << "not moved";
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.width, 1201.5f) << "a twentieth";
    EXPECT_FALSE(shown.intersects(QRectF(after.left, after.top, after.width, after.height)));
    EXPECT_TRUE(window->area().shownTwips().intersects(
        QRectF(after.left, after.top, after.width, after.height)))
        << "in view";

    // A level calibration across a tilt, its end at the view's right edge: the note inside.
    click(c().Option3);
    const QWidget* seen = view->viewport();
    click(background(), background()->mapFrom(seen, QPoint(20, 100)));
    click(background(), background()->mapFrom(seen, QPoint(seen->width() - 3, 160)));
    const PlaneNote& note = window->tiltNote();
    ASSERT_TRUE(note.isVisible());
    const QRect inView(note.parentWidget()->mapTo(seen, note.pos()), note.size());
    EXPECT_TRUE(seen->rect().contains(inView))
        << inView.right() << " of " << seen->width() << ", " << inView.bottom();
}
