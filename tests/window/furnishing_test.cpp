// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>

#include "furnished_room.h"

TEST_F(FurnishingARoom, TheNextPieceStaysAsItWasAndTheNewForegroundAwaitsItsStartPress) {
    const TwipRect sofa = c().Image1->twips();
    const QString planReadout = c().Label2->text();
    key(Qt::Key_BracketLeft);  // a little see-through
    nextPiece({});             // cancelled
    EXPECT_TRUE(pieces().empty());
    EXPECT_EQ(c().Image1->twips(), sofa);

    nextPiece(writePicture("table.png", {80, 60}, Qt::darkBlue));
    ASSERT_EQ(pieces().size(), 1u);
    EXPECT_EQ(pieces()[0].twips, sofa);
    EXPECT_EQ(pieces()[0].opacity, 0.9);
    EXPECT_EQ(c().Image1->twips(), (TwipRect{0, 0, 1230, 930}));  // 80 x 60 and the border
    EXPECT_EQ(c().Image1->opacity(), 1.0);
    EXPECT_EQ(state().mode, Mode::AwaitFgStart);
    EXPECT_EQ(c().Label2->text(), planReadout);
    EXPECT_EQ(c().Label3->text(), "1pixcel=0mm");
    EXPECT_EQ(c().Text2->text(), "");
    EXPECT_TRUE(c().Option3->isChecked());

    // A press on the kept sofa reaches the plan beneath: it is the table's start press.
    const QPoint onSofa(toPixels(sofa.left) + 30, toPixels(sofa.top) + 20);
    click(background(), onSofa);
    EXPECT_EQ(state().mode, Mode::AwaitFgEnd);
    EXPECT_EQ(state().fgStartX, onSofa.x() * 15);
    EXPECT_EQ(pieces().size(), 1u);
}

TEST_F(FurnishingARoom, EveryChangeOfTheArrangementIsTakenBackAndDoneAgain) {
    nextPiece(writePicture("table.png", {80, 60}, Qt::darkBlue));
    click(c().Option1);  // no point awaited: the arrangement may change
    const auto sofaCentre = [this] {
        const TwipRect at = pieces().at(0).twips;
        return QPoint(toPixels(at.left + at.width / 2), toPixels(at.top + at.height / 2));
    };
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"drag",
         [this] {
             press(c().Image1, {5, 5});
             move(c().Image1, {45, 25});
             release(c().Image1, {45, 25});
         }},
        {"turn", [this] { key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"quarter turn", [this] { key(Qt::Key_L); }},
        {"fade", [this] { key(Qt::Key_BracketLeft); }},
        {"centre", [this] { key(Qt::Key_H); }},
        {"nudge", [this] { key(Qt::Key_Right, Qt::ShiftModifier); }},
        {"piece made current",
         [&] {
             QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                                at(background(), sofaCentre()));
         }},
        {"next piece",
         [this] {
             nextPiece(writePicture("lamp.png", {30, 30}, Qt::yellow));
         }},
        {"remove", [this] { key(Qt::Key_Delete, Qt::NoModifier); }},
    };
    for (const auto& [name, change] : changes) {
        const Seen before = seen();
        change();
        const Seen after = seen();
        EXPECT_NE(after, before) << name << " changed nothing";
        key(Qt::Key_Z);
        EXPECT_EQ(seen(), before) << name << " undone";
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(seen(), after) << name << " redone";
        if (state().mode != Mode::Idle) click(c().Option1);
    }
    // A calibration's text is the text box's own to take back.
    click(c().Option3);
    click(background(), {10, 300});
    click(background(), {110, 300});
    type("100");
    const Seen calibrated = seen();
    key(Qt::Key_Z);
    EXPECT_NE(c().Text1->text(), "100") << "the box takes its own step back";
    EXPECT_EQ(seen(), calibrated);
}

// A table shrunk thirty times keeps, as a piece, only what its size can show at 800 %; chosen
// again, it is the file's own picture, turned as it was.
TEST_F(FurnishingARoom, APieceKeepsWhatItsSizeCanShowAndIsReadAgainWhenChosen) {
    nextPiece(writePicture("table.png", {400, 200}, Qt::darkBlue));
    click(c().Image1, {10, 100});
    click(c().Image1, {310, 100});
    type("10");  // 300 pixels for 10 mm, against the plan's 100 mm for 100
    click(c().Command3);
    key(Qt::Key_L);
    nextPiece(writePicture("lamp.png", {30, 30}, Qt::yellow));
    window->room().setForegroundTwips({3000, 3000, 480, 480});  // the lamp away from the table
    const PlacedPicture table = pieces().back();
    EXPECT_TRUE(table.reduced);
    EXPECT_LE(table.picture.width(), int(table.twips.width / 15 * 8) + 1);
    EXPECT_EQ(window->area().pieces().keptPixels(),
              qint64(table.picture.width()) * table.picture.height() +
                  pieces().front().picture.width() * pieces().front().picture.height());

    click(c().Option1);  // no press awaited
    const QPoint centre(toPixels(table.twips.left + table.twips.width / 2),
                        toPixels(table.twips.top + table.twips.height / 2));
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at(background(), centre));
    EXPECT_EQ(c().Image1->twips(), table.twips);
    EXPECT_EQ(c().Image1->picture().size(), QSize(200, 400)) << "the file's, turned a quarter";
    EXPECT_EQ(c().Image1->picture().pixelColor(100, 200), QColor(Qt::darkBlue));
}

// Each arrow nudges the foreground its own way by a pixel of the plan, Shift by ten; where
// pieces overlap, a removal and a double-click take the topmost under the pointer.
TEST_F(FurnishingARoom, NudgesLandExactlyAndOverlappingPiecesAreTakenFromTheTop) {
    nextPiece(writePicture("table.png", {80, 60}, Qt::darkBlue));
    window->room().setForegroundTwips({1500, 750, 1230, 930});  // over the sofa's middle
    click(c().Option1);                                         // no press awaited
    c().Picture1->setFocus();                                   // no box or option takes the arrows
    const std::pair<Qt::KeyboardModifiers, std::pair<int, TwipRect>> nudges[] = {
        {Qt::NoModifier, {Qt::Key_Left, {1485, 750, 1230, 930}}},
        {Qt::NoModifier, {Qt::Key_Down, {1485, 765, 1230, 930}}},
        {Qt::NoModifier, {Qt::Key_Right, {1500, 765, 1230, 930}}},
        {Qt::NoModifier, {Qt::Key_Up, {1500, 750, 1230, 930}}},
        {Qt::ShiftModifier, {Qt::Key_Up, {1500, 600, 1230, 930}}},
        {Qt::ShiftModifier, {Qt::Key_Right, {1650, 600, 1230, 930}}},
        {Qt::ShiftModifier, {Qt::Key_Down, {1650, 750, 1230, 930}}},
        {Qt::ShiftModifier, {Qt::Key_Left, {1500, 750, 1230, 930}}},
    };
    for (const auto& [modifiers, nudge] : nudges) {
        key(nudge.first, modifiers);
        EXPECT_EQ(c().Image1->twips(), nudge.second) << nudge.first << " with " << modifiers;
    }
    nextPiece(writePicture("lamp.png", {30, 30}, Qt::yellow));
    window->room().setForegroundTwips({6000, 4500, 480, 480});  // the lamp away from both
    c().Picture1->setFocus();
    const QPoint overBoth(2000 / 15, 1000 / 15);
    QCursor::setPos(background()->mapToGlobal(overBoth));
    key(Qt::Key_Delete, Qt::NoModifier);
    ASSERT_EQ(pieces().size(), 1u);
    EXPECT_EQ(pieces()[0].file, dir.filePath("sofa.png")) << "the table on top went";
    key(Qt::Key_Z);
    ASSERT_EQ(pieces().size(), 2u);
    click(c().Option1);  // no press awaited: a double-click chooses
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at(background(), overBoth));
    EXPECT_EQ(window->room().foreground().file, dir.filePath("table.png"));
    ASSERT_EQ(pieces().size(), 2u);
    EXPECT_EQ(pieces()[1].file, dir.filePath("lamp.png")) << "the lamp kept in the table's place";
}

// A large photo kept small holds the plan's pixels; zoomed in over it, it is read again as sharp
// as the view shows it, and zoomed out it goes back to the plan's pixels.
TEST_F(FurnishingARoom, APieceInViewIsReadAgainSharperWhenZoomedIn) {
    nextPiece(writePicture("table.png", {800, 600}, Qt::darkBlue));
    window->room().setForegroundTwips({3000, 2250, 1200, 900});  // 80 x 60 at the plan's centre
    click(c().Option1);
    nextPiece(writePicture("lamp.png", {30, 30}, Qt::yellow));
    window->room().setForegroundTwips({0, 4500, 480, 480});
    ASSERT_EQ(pieces().size(), 2u);
    const int steps = window->room().history().count();
    const auto table = [this] { return pieces()[1].picture.size(); };
    EXPECT_EQ(table(), QSize(80, 60)) << "the plan's pixels where it lies";
    c().Picture1->setFocus();
    key(Qt::Key_0);
    for (int step = 0; step < 4; ++step) key(Qt::Key_Plus);  // 400 %
    ASSERT_EQ(window->area().level(), 4.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return table() == QSize(320, 240); }, 10000))
        << table().width();
    EXPECT_EQ(pieces()[1].picture.pixelColor(160, 120), QColor(Qt::darkBlue));
    key(Qt::Key_0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return table() == QSize(80, 60); }, 10000))
        << table().width();
    EXPECT_EQ(window->room().history().count(), steps) << "sharper or not, no step";
}

// Each piece keeps the calibration that brought it to the plan's scale: chosen again it shows
// it, it is kept in the arrangement, and it can be calibrated anew with the plan's scale kept.
TEST_F(FurnishingARoom, APieceKeepsItsOwnCalibrationAndIsCalibratedAgain) {
    const QString planReadout = c().Label2->text();
    const QString sofaReadout = c().Label3->text();
    nextPiece(writePicture("table.png", {80, 60}, Qt::darkBlue));
    ASSERT_TRUE(pieces()[0].calibration) << "the sofa's, kept with it";
    click(c().Image1, {10, 10});
    click(c().Image1, {50, 10});
    type("200");  // 40 px for 200 mm: five times the plan's
    click(c().Command3);
    EXPECT_EQ(c().Image1->twips().width, 6150) << "80 x 60 and the border, five times";
    window->room().setForegroundTwips({6000, 3000, 6150, 4650});  // off the sofa

    click(c().Option1);  // no press awaited: the sofa chosen by a double-click
    const TwipRect sofa = pieces()[0].twips;
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       at(background(), {toPixels(sofa.left + 150), toPixels(sofa.top + 150)}));
    EXPECT_EQ(window->room().foreground().file, dir.filePath("sofa.png"));
    EXPECT_EQ(c().Label2->text(), planReadout);
    EXPECT_EQ(c().Label3->text(), sofaReadout) << "its own scale again";
    EXPECT_EQ(c().Label1->text(), "200％ 拡大しました");
    ASSERT_TRUE(pieces()[0].calibration) << "the table's, kept with it";
    EXPECT_EQ(window->room().kept().pieces[0].calibration, pieces()[0].calibration);

    key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state().mode, Mode::AwaitFgStart);
    EXPECT_EQ(c().Label2->text(), planReadout) << "the plan's scale kept";
    EXPECT_EQ(c().Label3->text(), "1pixcel=0mm");
    const TwipRect before = c().Image1->twips();
    click(c().Image1, {10, 10});
    click(c().Image1, {110, 10});
    type("100");  // 100 px for 100 mm: the plan's scale already, so the sofa stays as it is
    click(c().Command3);
    EXPECT_EQ(c().Image1->twips(), before);
    EXPECT_EQ(c().Label1->text(), "100％ 拡大しました");
}
