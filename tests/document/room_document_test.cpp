// SPDX-License-Identifier: GPL-3.0-or-later
// The room without a window: its steps, its history, its snapshot and its keeping.
#include <gtest/gtest.h>

#include <QDir>

#include "arrangement_file.h"
#include "fake_window.h"
#include "kept_pictures.h"
#include "room_document.h"

namespace {

QImage filled(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// The boxes where the window lays them out.
Room laidOut() {
    Room room;
    room.background.box = {2550, 30, 7000, 7000};
    room.sizer.box = {8040, 6000, 945, 615};
    return room;
}

// A room with a plan of 600 x 400 pixels and a sofa photo of 100 x 50 as its foreground.
class ARoom : public ::testing::Test {
protected:
    ARoom() {
        room.workflow().formLoad();
        room.openBackground(QStringLiteral("/plans/plan.png"), filled({600, 400}, Qt::white),
                            false, {});
        room.step({}, [&] { room.placeNewForeground(kSofa, filled({100, 50}, Qt::red), false); });
    }
    // Each change below as the user makes it: one step.
    void change(const std::function<void()>& what, int merge = 0) {
        room.step({QStringLiteral("change"), false, merge}, what);
    }
    const Furniture& furniture() const { return room.room().furniture; }

    const QString kSofa = QStringLiteral("/photos/sofa.png");
    FakeLocale locale;
    RoomDocument room{locale, laidOut()};
};

}  // namespace

// Every kind of change is one step, taken back and done again exactly; a drag of many moves is
// one step; a change after a step back leaves nothing to do again.
TEST_F(ARoom, EveryChangeIsOneStepTakenBackAndDoneAgainExactly) {
    EXPECT_EQ(room.foreground().twips, (TwipRect{0, 0, 1530, 780})) << "100 x 50 and the border";
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"quarter turn", [&] { room.turnForegroundQuarter(true); }},
        {"degree", [&] { room.turnForegroundDegrees(-1); }},
        {"fade", [&] { room.stepForegroundOpacity(-1); }},
        {"kept as a piece", [&] { room.keepForegroundAsPiece(); }},
        {"hidden", [&] { room.hideForeground(); }},
        {"new foreground",
         [&] {
             room.placeNewForeground(QStringLiteral("/t.png"), filled({8, 6}, Qt::blue), false);
         }},
        {"piece taken", [&] { room.takePiece(0); }},
    };
    for (const auto& [name, what] : changes) {
        const Furniture before = furniture();
        change(what);
        const Furniture after = furniture();
        ASSERT_NE(after, before) << name;
        room.undo();
        EXPECT_EQ(furniture(), before) << name << " undone";
        room.redo();
        EXPECT_EQ(furniture(), after) << name << " redone";
    }
    // A quarter turn keeps the centre and swaps the sides; past -179 degrees comes 180.
    change([&] { room.setForegroundTwips({100, 200, 300, 150}); });
    change([&] { room.turnForegroundQuarter(false); });
    EXPECT_EQ(room.foreground().twips, (TwipRect{175, 125, 150, 300}));
    EXPECT_EQ(room.foreground().degrees, 0) << "the new foreground came as it is";
    for (int i = 0; i < 182; ++i) change([&] { room.turnForegroundDegrees(-1); });
    EXPECT_EQ(room.foreground().degrees, 178);

    // Three moves of one drag are one step; the next drag is another.
    const TwipRect start = room.foreground().twips;
    for (float x : {10.f, 20.f, 30.5f})
        change([&] { room.setForegroundTwips({x, 5, 150, 300}); }, 7);
    change([&] { room.setForegroundTwips({40, 5, 150, 300}); }, 8);
    room.undo();
    EXPECT_EQ(room.foreground().twips, (TwipRect{30.5f, 5, 150, 300}));
    room.undo();
    EXPECT_EQ(room.foreground().twips, start);
    EXPECT_TRUE(room.history().canRedo());
    change([&] { room.stepForegroundOpacity(1); });
    EXPECT_FALSE(room.history().canRedo()) << "a new change leaves nothing to do again";

    // A step that changes nothing is none.
    const QString before = room.history().undoText();
    change([&] { room.setForegroundTwips(room.foreground().twips); });
    room.undo();
    EXPECT_NE(room.foreground().opacity, 1.0) << "the undo took back the fade, not a no-op";
    EXPECT_EQ(before, QStringLiteral("change"));
}

// As Qt's undo stack: 500 steps at most; a foreground no longer shown is kept reduced.
TEST_F(ARoom, TheHistoryIsBoundedInStepsAndPixels) {
    const QImage big = filled({4000, 2000}, Qt::green);
    for (int i = 0; i < 3; ++i) change([&] { room.stepForegroundOpacity(-1); });
    for (int i = 0; i < 600; ++i) change([&] { room.setForegroundTwips({float(i), 0, 90, 90}); });
    EXPECT_EQ(room.history().count(), 500);
    int back = 0;
    while (room.history().canUndo()) {
        room.undo();
        ++back;
    }
    EXPECT_EQ(back, 500);
    EXPECT_EQ(room.foreground().twips.left, 99.f) << "the 101st move is as far back as it goes";

    // A photo of 4000 x 2000 shown at 10 x 5 pixels of the plan, then replaced: its step keeps
    // what the plan has of it, 10 x 5, and nothing more.
    RoomDocument other(locale, laidOut());
    PlacedPicture small;
    small.picture = big;
    small.twips = {0, 0, 150, 75};
    other.step({}, [&] { other.setForeground(small); });
    other.step({}, [&] {
        other.placeNewForeground(QStringLiteral("/s.png"), filled({4, 4}, Qt::blue), false);
    });
    other.undo();
    EXPECT_EQ(other.foreground().picture.size(), QSize(10, 5));
    EXPECT_TRUE(other.foreground().reduced);
    EXPECT_EQ(other.foreground().twips, small.twips);
}

// Five pieces of 8000 x 1500 at their full size are 60 M pixels at the plan's density: all are
// held by one factor within the 48 M of the budget, also in the steps back, and it is told once.
TEST_F(ARoom, PiecesAreHeldWithinOneBudget) {
    EXPECT_DOUBLE_EQ(scaleWithinBudget(4 * kPiecesPixelBudget), 0.5);
    EXPECT_DOUBLE_EQ(scaleWithinBudget(kPiecesPixelBudget), 1);
    PlacedPicture large;
    large.picture = filled({8000, 1500}, Qt::darkGreen);
    large.twips = {0, 0, 8000 * 15, 1500 * 15};
    large.file = QStringLiteral("/photos/wall.png");
    int told = 0;
    QObject::connect(&room, &RoomDocument::piecesHeldReduced, [&told] { ++told; });
    for (int i = 0; i < 5; ++i) {
        change([&] {
            room.setForeground(large);
            room.keepForegroundAsPiece();
        });
    }
    qint64 held = 0;
    for (const PlacedPicture& piece : room.pieces()) {
        held += qint64(piece.picture.width()) * piece.picture.height();
    }
    EXPECT_LE(held, kPiecesPixelBudget + 5 * 9501);
    EXPECT_GT(held, kPiecesPixelBudget * 9 / 10) << "no smaller than the budget needs";
    EXPECT_EQ(told, 1);
    room.undo();
    for (const PlacedPicture& piece : room.pieces()) {
        EXPECT_LT(piece.picture.width(), 8000) << "the step back holds the smaller copies";
    }
}

// Closing asks only while kept work would be lost: pieces kept or a file kept, changed since.
TEST_F(ARoom, UnkeptWorkFollowsSavingUndoingAndCalibrating) {
    EXPECT_FALSE(room.hasUnkeptWork()) << "the described workflow alone";
    change([&] { room.keepForegroundAsPiece(); });
    EXPECT_TRUE(room.hasUnkeptWork());
    room.markKept(QStringLiteral("/rooms/a.pokotamu"));
    EXPECT_FALSE(room.hasUnkeptWork()) << "right after a save";
    change([&] { room.setForegroundTwips({15, 15, 30, 30}); });
    EXPECT_TRUE(room.hasUnkeptWork());
    room.undo();
    EXPECT_FALSE(room.hasUnkeptWork()) << "taken back to what was saved";
    room.redo();
    room.undo();
    room.chooseTask(3);  // a calibration begun anew drops the kept one
    room.workflow().picture1MouseDown(150, 60);
    room.workflow().picture1MouseDown(1650, 60);
    room.typeLength(port::TextBox::Text1, "100");
    EXPECT_TRUE(room.hasUnkeptWork()) << "a new plan scale is work";
    room.markKept(QStringLiteral("/rooms/a.pokotamu"));
    room.typeLength(port::TextBox::Text1, "100.5");
    EXPECT_TRUE(room.hasUnkeptWork()) << "a corrected length too";
}

// The room and its history go back whole to a snapshot; a picture being read is waited for
// inside a step that takes pixels, once.
TEST_F(ARoom, ASnapshotTakesTheRoomAndItsHistoryBackWhole) {
    change([&] { room.stepForegroundOpacity(-3); });
    const RoomDocument::Snapshot before = room.snapshot();
    const QImage reading = filled({200, 100}, Qt::yellow);
    room.startReading(reading, filled({50, 25}, Qt::yellow));
    room.step({}, [&] { room.placeNewForeground(QStringLiteral("/new.png"), reading, false); });
    room.chooseTask(3);
    room.workflow().picture1MouseDown(30, 30);
    EXPECT_EQ(room.state().mode, Mode::AwaitBgEnd);
    EXPECT_FALSE(room.shownWhileRead(room.foreground().picture).isNull());

    int waits = 0;
    bool ran = false;
    room.setWholePixelsWait([&] {
        ++waits;
        room.restore(before);  // the whole failed: back to before it opened
        return false;
    });
    EXPECT_FALSE(room.step({QStringLiteral("turn"), true}, [&] { ran = true; }));
    EXPECT_EQ(waits, 1);
    EXPECT_FALSE(ran);
    EXPECT_EQ(room.room().furniture, before.room.furniture);
    EXPECT_EQ(room.room().form, before.room.form);
    EXPECT_EQ(room.room().sizer, before.room.sizer);
    EXPECT_EQ(room.state(), before.workflow);
    EXPECT_EQ(room.foreground().opacity, 0.7);
    EXPECT_FALSE(room.beingRead());
    room.undo();
    EXPECT_EQ(room.foreground().opacity, 1.0) << "the history is the one before";

    EXPECT_TRUE(room.step({QStringLiteral("turn"), true}, [&] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_EQ(waits, 1) << "nothing being read: no wait";
}

// Saved and opened again, the room is the same to the twip, pictures not read kept in place.
TEST_F(ARoom, AnArrangementWrittenAndReadBackIsTheSame) {
    change([&] { room.setForegroundTwips({1000.5f, 700.25f, 3187.5f, 1912.5f}); });
    change([&] { room.turnForegroundQuarter(true); });
    change([&] { room.keepForegroundAsPiece(); });
    change([&] {
        room.placeNewForeground(QStringLiteral("/photos/t.png"), filled({8, 6}, Qt::blue), false);
    });
    change([&] { room.turnForegroundDegrees(5); });
    const Arrangement kept = room.kept();
    ASSERT_EQ(kept.pieces.size(), 1u);
    EXPECT_EQ(kept.pieces[0].quarterTurns, 1);
    EXPECT_EQ(kept.foreground->degrees, 5);
    const arrangement_file::Reading read =
        arrangement_file::read(arrangement_file::write(kept, QDir(QStringLiteral("/rooms"))),
                               QDir(QStringLiteral("/rooms")));
    ASSERT_TRUE(read.arrangement) << read.problem.toStdString();
    EXPECT_EQ(*read.arrangement, kept);

    // Opened again with the foreground's file out of reach, a piece not read between two read,
    // and the last one's file now of twice the pixels: all kept in their places, the last at the
    // scale it was kept at.
    RoomDocument opened(locale, Room{});
    opened.workflow().formLoad();
    KeptPicture notRead = kept.pieces[0];
    notRead.file = QStringLiteral("/photos/gone.png");
    Room again;
    again.background.file = kept.background;
    again.background.picture = filled({600, 400}, Qt::white);
    again.furniture.foregroundShown = false;
    again.unread.foreground = kept.foreground;
    again.furniture.pieces = {placedPicture(kept.pieces[0], filled({100, 50}, Qt::red), false),
                              placedPicture(notRead, QImage(), false),
                              placedPicture(kept.pieces[0], filled({200, 100}, Qt::red), false)};
    opened.openArrangement(again, kept.calibrations, QStringLiteral("/rooms/room.pokotamu"));
    const Arrangement keptAgain = opened.kept();
    EXPECT_EQ(keptAgain.foreground, kept.foreground);
    ASSERT_EQ(keptAgain.pieces.size(), 3u);
    EXPECT_EQ(keptAgain.pieces[0], kept.pieces[0]);
    EXPECT_EQ(keptAgain.pieces[1], notRead);
    EXPECT_EQ(keptAgain.pieces[2].width, kept.pieces[0].width * 2);
    EXPECT_EQ(keptAgain.pieces[2].pixels, QSize(200, 100));
    EXPECT_EQ(keptAgain.calibrations, kept.calibrations);
    EXPECT_FALSE(opened.history().canUndo()) << "no step leads back past the opening";
    EXPECT_FALSE(opened.hasUnkeptWork());
    EXPECT_EQ(opened.form().task, 3);
}
