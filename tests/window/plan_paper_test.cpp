// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>

#include "plan_files.h"
#include "window_fixture.h"

namespace {

class PlanPaper : public WindowTest {
protected:
    void drawingScale(const char* typed) {
        dialogs->drawingScale = QString::fromUtf8(typed);
        QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    }
    QString pngAt(const char* name, int dotsPerMetre) {
        QImage plan(QSize(600, 400), QImage::Format_RGB32);
        plan.fill(Qt::white);
        plan.setDotsPerMeterX(dotsPerMetre);
        plan.setDotsPerMeterY(dotsPerMetre);
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(plan.save(path, "PNG"));
        return path;
    }
};

// A PDF page's scale follows from its paper and the resolution it was rendered at, with nothing
// to confirm; it is taken as a calibration just made, its box closed, kept with its N, and a
// calibration by presses begun again replaces it.
TEST_F(PlanPaper, APdfPageAtOneToFiftyGetsItsScaleFromItsPaper) {
    const QString pdf = dir.filePath("a3.pdf");
    ASSERT_TRUE(plan_files::writePdf(pdf, QSizeF(842, 1191)));  // A3 upright
    openBackground(pdf);
    ASSERT_EQ(c().Picture1->picture().width(), 2338);  // 842 pt at 200 dpi, whole pixels
    drawingScale("1:50");
    // 842 pt over 2338 pixels, at 25.4 mm an inch of 72 pt, times 50, over 15 twips a pixel.
    EXPECT_DOUBLE_EQ(state().bgExactMmPerUnit, 842.0 / 72 * 25.4 * 50 / 2338 / 15);
    EXPECT_EQ(state().mode, Mode::AwaitFgStart);
    EXPECT_EQ(c().Label2->text(), QStringLiteral("1pixel=0.4235mm"));
    EXPECT_EQ(c().Label1->text(), QStringLiteral("前景画像の開始点をクリックして下さい"));
    EXPECT_FALSE(c().Text1->isEnabled());
    EXPECT_TRUE(dialogs->questions.empty());
    EXPECT_EQ(window->room().kept().calibrations.background->drawingScale, 50);

    click(c().Option3);
    EXPECT_EQ(state().bgExactMmPerUnit, 0);
    EXPECT_FALSE(window->room().kept().calibrations.background);
}

// A scan's scale rests on the resolution its file states, shown to be confirmed; any way of
// writing the drawing scale is read.
TEST_F(PlanPaper, AScanAtThreeHundredDpiGetsItsScaleOnceConfirmed) {
    const QString tiff = dir.filePath("scan.tif");
    ASSERT_TRUE(plan_files::writeTiff(tiff, 800, 600, plan_files::TiffKind::BilevelG4, 300));
    const struct {
        QString plan;
        const char* typed;
    } scans[] = {{pngAt("scan.png", 11811), "100"},  // 300 dpi as PNG writes it, a metre
                 {tiff, "1:100"},
                 {tiff, "１：１００"}};
    for (const auto& scan : scans) {
        SCOPED_TRACE(scan.typed);
        click(c().Option1);
        openBackground(scan.plan);
        const std::size_t asked = dialogs->questions.size();
        drawingScale(scan.typed);
        EXPECT_DOUBLE_EQ(state().bgExactMmPerUnit, 25.4 / 300 * 100 / 15);
        EXPECT_EQ(c().Label2->text(), QStringLiteral("1pixel=0.5644mm"));
        ASSERT_EQ(dialogs->questions.size(), asked + 1);
        EXPECT_TRUE(dialogs->questions.back().contains(QStringLiteral("300 dpi")));
        EXPECT_TRUE(dialogs->questions.back().contains(QStringLiteral("8.46667 mm")));
    }
    // Not confirmed, nothing changes.
    click(c().Option3);
    dialogs->confirms = false;
    drawingScale("1:100");
    EXPECT_EQ(state().bgExactMmPerUnit, 0);
    EXPECT_EQ(state().mode, Mode::AwaitBgStart);
}

// Where the file says nothing true of its paper, or the scale typed is none, the user is told
// why and the workflow stays where it was.
TEST_F(PlanPaper, APlanWhoseFileStatesNoPaperIsRefusedWithItsReason) {
    const QString bare = dir.filePath("bare.png");
    ASSERT_TRUE(plan_files::writePng(bare, 300, 200, {8, 0}));
    const struct {
        QString plan;
        const char* typed;
        const char* reason;
    } refused[] = {
        {pngAt("screenshot.png", 2835), "1:50", "72 dpi は画面用の既定値"},
        {pngAt("web.png", 3780), "1:50", "96 dpi は画面用の既定値"},
        {pngAt("fax.png", 1181), "1:50", "30 dpi は、スキャンした図面としてありえない"},
        {bare, "1:50", "解像度が書かれていない"},
        {pngAt("scan.png", 11811), "1:0", "「1:0」は縮尺として読めません"},
        {pngAt("scan.png", 11811), "1:50.5", "「1:50.5」は縮尺として読めません"},
    };
    for (const auto& plan : refused) {
        SCOPED_TRACE(plan.reason);
        click(c().Option1);
        openBackground(plan.plan);
        click(c().Option3);
        const std::size_t told = dialogs->reports.size();
        drawingScale(plan.typed);
        ASSERT_EQ(dialogs->reports.size(), told + 1);
        EXPECT_TRUE(dialogs->reports.back().reason.contains(QString::fromUtf8(plan.reason)))
            << dialogs->reports.back().reason.toStdString();
        EXPECT_EQ(state().bgExactMmPerUnit, 0);
        EXPECT_EQ(state().mode, Mode::AwaitBgStart);
    }
    EXPECT_TRUE(dialogs->questions.empty());
}

}  // namespace
