// SPDX-License-Identifier: GPL-3.0-or-later
// A large picture on the screen before it is whole: the window is the whole picture's from the
// first moment, sharpens in place, and goes back to before it opened when the whole fails or its
// wait is cancelled.
#include <QPainter>
#include <QProgressDialog>
#include <QTimer>

#include "first_answer_then.h"
#include "picture_area.h"
#include "window_fixture.h"

namespace {

// What the user sees of the workflow, beside its record.
struct Seen {
    WorkflowState state;
    QStringList texts;
    TwipRect background;
    TwipRect foreground;
    bool foregroundShown;
    QSize window;
    double level;
    bool canUndo;

    bool operator==(const Seen&) const = default;
};

// A photo-like JPEG: four coloured quarters with a grid.
QString writePhoto(const QTemporaryDir& dir, const QString& name, QSize size) {
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    QPainter painter(&photo);
    painter.fillRect(0, 0, size.width() / 2, size.height() / 2, Qt::darkRed);
    painter.fillRect(size.width() / 2, size.height() / 2, size.width(), size.height(), Qt::blue);
    painter.setPen(QPen(Qt::white, 8));
    for (int x = 0; x < size.width(); x += 200) painter.drawLine(x, 0, x, size.height());
    painter.end();
    const QString path = dir.filePath(name);
    photo.save(path, "JPEG", 92);
    return path;
}

}  // namespace

class ReducedFirst : public WindowTest {
protected:
    Seen seen() const {
        return {state(),
                {c().Label1->text(), c().Label2->text(), c().Label3->text(), c().Text1->text(),
                 c().Text2->text(), QString::number(c().Command1->isEnabled()),
                 QString::number(c().Command2->isEnabled()),
                 QString::number(c().Command3->isEnabled())},
                c().Picture1->twips(),
                c().Image1->twips(),
                c().Image1->isVisibleTo(c().Image1->parentWidget()),
                window->size(),
                window->area().level(),
                window->room().history().canUndo()};
    }
    bool sharpening() const {
        return c().Picture1->scaledPicture().waitsForPixels() ||
               c().Image1->scaledPicture().waitsForPixels();
    }
};

TEST_F(ReducedFirst, TheWindowIsTheWholePicturesFromTheFirstMomentAndSharpensInPlace) {
    openBackground(writePhoto(dir, QStringLiteral("plan.jpg"), {4000, 3000}));
    ASSERT_TRUE(sharpening()) << "shown before the whole was written";
    // The box is the whole picture's, one pixel of border each side.
    EXPECT_EQ(c().Picture1->twips().width, 4002 * 15);
    EXPECT_EQ(c().Picture1->twips().height, 3002 * 15);
    EXPECT_LT(window->area().level(), 0.5);

    // The user works meanwhile: the plan measured, its length typed.
    click(c().Option3);
    click(background(), {40, 60});
    click(background(), {540, 60});
    type("5000");
    const Seen working = seen();
    EXPECT_EQ(c().Label2->text().isEmpty(), false);
    const QImage reducedShown = background()->grab().toImage();

    ASSERT_TRUE(waitUntilSharp());
    EXPECT_EQ(seen(), working) << "the whole changed nothing but the pixels";
    // Painted from the same reduced copy at this zoom: no flicker, no jump.
    EXPECT_EQ(background()->grab().toImage(), reducedShown);
    // Zoomed to its own size, from the whole picture's pixels: the grid sharp, one pixel wide.
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    ASSERT_EQ(window->area().level(), 1.0);
    const QImage sharp = background()->grab().toImage();
    EXPECT_EQ(sharp.pixelColor(200, 50).lightness(), 255);
    EXPECT_LT(sharp.pixelColor(210, 50).lightness(), 100);
}

// Every reader passes on only its first answer, as a reader dying after the reduced copy does.
class ReducedFirstCutShort : public ReducedFirst {
    FirstAnswerThen cutShort{{}};
};

TEST_F(ReducedFirstCutShort, AWholeThatFailsIsReportedAndTheWindowIsAsBeforeItOpened) {
    openBackground(writePicture(QStringLiteral("plan.png"), {600, 400}, Qt::white));
    ASSERT_FALSE(sharpening());
    for (int i = 0; i < 4; ++i) QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_EQ(window->area().level(), 0.25);
    click(c().Option2);
    const Seen before = seen();
    const QImage planBefore = c().Picture1->picture();

    const QString photo = writePhoto(dir, QStringLiteral("sofa.jpg"), {3000, 2000});
    dialogs->answers.push_back(photo);
    click(c().Command2);
    ASSERT_TRUE(sharpening());
    EXPECT_EQ(c().Image1->twips().width, 3002 * 15);
    click(c().Image1, {20, 20});  // the user goes on
    EXPECT_NE(seen(), before);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs->reports.empty(); }, 20000));
    EXPECT_EQ(dialogs->reports.front().path, photo);
    EXPECT_FALSE(dialogs->reports.front().reason.isEmpty());
    EXPECT_EQ(seen(), before);
    EXPECT_FALSE(sharpening());
    EXPECT_EQ(c().Picture1->picture().cacheKey(), planBefore.cacheKey());
}

// Every reader holds back its whole answer for ten seconds.
class ReducedFirstSlowWhole : public ReducedFirst {
    FirstAnswerThen slowWhole{QStringLiteral("sleep 10; cat")};
};

TEST_F(ReducedFirstSlowWhole, ACommandWaitsForTheWholeAndItsCancelGoesBackToBeforeTheOpening) {
    const Seen empty = seen();
    openBackground(writePhoto(dir, QStringLiteral("plan.jpg"), {4000, 3000}));
    ASSERT_TRUE(sharpening());
    EXPECT_NE(seen(), empty);

    // Saving wants the whole pixels: it waits, shows progress, and is cancelled there.
    QElapsedTimer clock;
    clock.start();
    QTimer cancelling;
    cancelling.callOnTimeout([&] {
        auto* progress = window->findChild<QProgressDialog*>();
        if (progress && progress->isVisible())
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    cancelling.start(50);
    const std::size_t answers = dialogs->answers.size();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_LT(clock.elapsed(), 5000) << "ms: cancelled long before the whole came";
    EXPECT_EQ(dialogs->answers.size(), answers) << "no save dialog after the cancel";
    EXPECT_EQ(seen(), empty);
    EXPECT_TRUE(c().Picture1->picture().isNull());
    EXPECT_FALSE(sharpening());
}
