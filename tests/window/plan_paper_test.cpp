// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>

#include "keeping_dialogs.h"
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
    EXPECT_EQ(dialogs->pagesOffered, 0) << "a page alone is not asked for";
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
        {pngAt("huge.png", 2000000000), "1:50", "5.08e+07 dpi は、スキャンした図面としてありえない"},
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

// A 1:50 page exported at 1:50 comes out as the paper it was: its wall where the PDF drew it,
// beside a square the user measures with a ruler; the print preview says the scale and to print
// unscaled.
TEST_F(PlanPaper, APageAtOneToFiftyComesOutAtItsSizeWithASquareToMeasure) {
    const QString plan = dir.filePath("plan.pdf");
    ASSERT_TRUE(plan_files::writePdf(plan, QSizeF(400, 300)));  // its wall 100 to 110 pt across
    openBackground(plan);
    drawingScale("50");
    dialogs->page = PageChoice{QPageSize::A4, true, 50};
    dialogs->answers.push_back(dir.filePath("room.pdf"));
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);

    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(dir.filePath("room.pdf")), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 1);
    constexpr double kPixelsPerMm = 300 / 25.4;
    QImage page(3508, 2480, QImage::Format_RGB32);  // the paper, under the page's transparency
    page.fill(Qt::white);
    QPainter(&page).drawImage(0, 0, pdf.render(0, page.size()));
    const auto dark = [&](int x, int y) { return page.pixelColor(x, y).lightness() < 128; };
    // The wall, 10 mm of margin then 100 pt into the drawing.
    const int wallY = int(60 * kPixelsPerMm);
    int wallStart = 0;
    while (wallStart < page.width() && !dark(wallStart, wallY)) ++wallStart;
    EXPECT_NEAR(wallStart / kPixelsPerMm, 10 + 100 * 25.4 / 72, 0.2) << "mm";
    // The square's top and bottom sides: the only long dark runs across.
    std::vector<int> sides;
    for (int y = 0; y < page.height(); ++y) {
        int run = 0, longest = 0;
        for (int x = 0; x < page.width(); ++x) longest = std::max(longest, run = dark(x, y) ? run + 1 : 0);
        if (longest > 80 * kPixelsPerMm) sides.push_back(y);
    }
    ASSERT_GE(sides.size(), 2u);
    const auto middleOf = [&](bool top) {
        double sum = 0;
        int rows = 0;
        for (const int y : sides) {
            if ((y - sides.front() < 20) == top) sum += y, ++rows;
        }
        return sum / rows;
    };
    EXPECT_NEAR((middleOf(false) - middleOf(true)) / kPixelsPerMm, 100, 0.15) << "mm";
    EXPECT_TRUE(pdf.getAllText(0).text().contains(QStringLiteral("100 mm × 100 mm")));

    dialogs->printTo = dir.filePath("printed.pdf");
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs->printedAt, 50);
    EXPECT_EQ(printTitle(50),
              QStringLiteral("ポコタム — 縮尺 1:50 の印刷。用紙に合わせず 100 % で印刷して下さい"));
}

// A set of plans: the ground floor on an upright A4, the upper floor on an A3 turned.
TEST_F(PlanPaper, TheChosenPageOfAPdfOpensAndIsKept) {
    const QString pdf = dir.filePath("floors.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins({});
        QPainter painter(&writer);
        painter.fillRect(QRectF(100, 0, 10, 842), Qt::black);
        writer.setPageSize(QPageSize(QPageSize::A3));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.newPage();
        painter.fillRect(QRectF(0, 100, 1191, 10), Qt::black);
    }
    dialogs->pdfPage = 1;
    openBackground(pdf);
    EXPECT_EQ(dialogs->pagesOffered, 2);
    ASSERT_EQ(dialogs->glimpses.size(), 2u);
    EXPECT_EQ(dialogs->glimpses[1].points.toSize(), QSize(1191, 842));
    EXPECT_EQ(dialogs->glimpses[1].picture.size(), QSize(160, 113));
    EXPECT_EQ(pageName(1, dialogs->glimpses[1].points),
              QStringLiteral("2 ページ　A3 横（420 × 297 mm）"));
    EXPECT_EQ(c().Picture1->picture().size(), QSize(3308, 2338));
    EXPECT_EQ(window->room().kept().backgroundPage, 1);

    const QString room = dir.filePath("floors.pokotamu");
    dialogs->answers.push_back(room);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    dialogs->pagesOffered = 0;
    click(c().Option1);
    openBackground(writePicture("other.png", {300, 200}));
    dialogs->answers.push_back(room);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(c().Picture1->picture().size(), QSize(3308, 2338)) << "the kept page, unasked";
    EXPECT_EQ(dialogs->pagesOffered, 0);

    // Named on the command line: that page, unasked; one it does not have, told so.
    window->openBackground(pdf, 0);
    EXPECT_EQ(c().Picture1->picture().size(), QSize(1652, 2338));
    EXPECT_EQ(dialogs->pagesOffered, 0);
    const std::size_t told = dialogs->reports.size();
    window->openBackground(pdf, 2);
    ASSERT_EQ(dialogs->reports.size(), told + 1);
    EXPECT_EQ(dialogs->reports.back().reason,
              QStringLiteral("この PDF には指定されたページがありません。"));
}

}  // namespace
