// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "peak_memory.h"
#include "picture_file_reader.h"
#include "picture_files.h"
#include "plan_files.h"

namespace {

QColor at(const ReadPicture& read, int x, int y) { return read.image.pixelColor(x, y); }

bool near(QColor seen, QColor wanted) {
    return std::abs(seen.red() - wanted.red()) <= 40 &&
           std::abs(seen.green() - wanted.green()) <= 40 &&
           std::abs(seen.blue() - wanted.blue()) <= 40 && seen.alpha() == wanted.alpha();
}

}  // namespace

// The files plans and photos arrive as: a PDF page, an SVG drawing, an iPhone's HEIC photo.
TEST(PlansAndPhotos, APdfPageAnSvgDrawingAndAHeicPhotoOpenAsTheyWereMade) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("plan.pdf");
    ASSERT_TRUE(plan_files::writePdf(pdf, {595, 842}));  // A4
    const ReadPicture page = readPictureFile(pdf);
    ASSERT_EQ(page.problem, PictureProblem::None);
    EXPECT_EQ(at(page, 291, 1000), QColor(Qt::black)) << "the wall, 100 to 110 points across";

    const QString svg = dir.filePath("drawing.svg");
    ASSERT_TRUE(picture_files::write(
        svg, R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300">)"
             R"(<rect width="400" height="300" fill="white"/>)"
             R"(<rect x="100" width="10" height="300" fill="black"/></svg>)"));
    const ReadPicture drawing = readPictureFile(svg);
    ASSERT_EQ(drawing.problem, PictureProblem::None);
    EXPECT_EQ(drawing.image.size(), QSize(400, 300)) << "its own size";
    EXPECT_EQ(at(drawing, 105, 150), QColor(Qt::black));
    EXPECT_EQ(at(drawing, 50, 150), QColor(Qt::white));

    const QString heic = dir.filePath("photo.heic");
    ASSERT_TRUE(plan_files::writeHeic(heic, 640, 480, 6));  // stored turned a quarter clockwise
    const ReadPicture photo = readPictureFile(heic);
    ASSERT_EQ(photo.problem, PictureProblem::None);
    ASSERT_EQ(photo.image.size(), QSize(480, 640)) << "upright";
    EXPECT_TRUE(near(at(photo, 470, 320), Qt::red)) << "its top is on the right";
    EXPECT_TRUE(near(at(photo, 240, 164), Qt::black)) << "the wall runs across";
    EXPECT_TRUE(near(at(photo, 240, 320), Qt::white));
}

// Hostile files of these kinds are refused or bounded, each within 100 MB beyond the picture
// it may show, with the true reason.
TEST(PlansAndPhotos, HostilePdfSvgAndHeicFilesAreBounded) {
    QTemporaryDir dir;
    const QString huge = dir.filePath("huge.pdf");
    ASSERT_TRUE(plan_files::writePdf(huge, {14400, 14400}));  // 200 inches a side
    peak_memory::resetPeak();
    const qint64 before = peak_memory::residentMegabytes();
    const ReadPicture page = readPictureFile(huge);
    EXPECT_EQ(page.problem, PictureProblem::None) << "rendered at the resolution the bound allows";
    EXPECT_TRUE(fitsPictureBounds(page.image.width(), page.image.height()));
    EXPECT_GE(qint64(page.image.width()) * page.image.height(), 99'000'000);
    EXPECT_LT(peak_memory::peakMegabytes() - before, 400 + 100);

    QByteArray cut;
    ASSERT_TRUE(plan_files::writePdf(dir.filePath("whole.pdf"), {595, 842}));
    QFile whole(dir.filePath("whole.pdf"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    cut = whole.readAll();
    cut.truncate(cut.size() / 3);

    // A heic whose picture claims 100000 x 100000: its size box rewritten.
    ASSERT_TRUE(plan_files::writeHeic(dir.filePath("small.heic"), 64, 48, 1));
    QFile small(dir.filePath("small.heic"));
    ASSERT_TRUE(small.open(QIODevice::ReadOnly));
    QByteArray claims = small.readAll();
    const qsizetype ispe = claims.indexOf("ispe");
    ASSERT_GT(ispe, 0);
    qToBigEndian<quint32>(100000, claims.data() + ispe + 8);
    qToBigEndian<quint32>(100000, claims.data() + ispe + 12);

    QByteArray laughs = R"(<?xml version="1.0"?><!DOCTYPE svg [<!ENTITY a "lollollollollol">)";
    for (char c = 'b'; c <= 'j'; ++c) {
        laughs += QByteArray("<!ENTITY ") + c + " \"" +
                  QByteArray(10, '&').replace("&", QByteArray("&") + char(c - 1) + ";") + "\">";
    }
    laughs +=
        R"(]><svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><text>&j;</text></svg>)";
    // Ten levels of ten uses of the level below: ten thousand million rectangles.
    QByteArray uses =
        R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="10" height="10"><defs><rect id="l0" width="1" height="1"/>)";
    for (int level = 1; level <= 10; ++level) {
        uses += "<g id=\"l" + QByteArray::number(level) + "\">";
        for (int i = 0; i < 10; ++i)
            uses += "<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\"/>";
        uses += "</g>";
    }
    uses += R"(</defs><use xlink:href="#l10"/></svg>)";
    const QByteArray svgStart =
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)";
    // Each use draws the one after it, written last first: a count that follows the chain down
    // by calling itself runs out of stack.
    QByteArray chain = svgStart + "<defs>";
    for (int i = 70000; i > 0; --i) {
        chain += "<use id=\"u" + QByteArray::number(i) + "\" href=\"#u" +
                 QByteArray::number(i + 1) + "\"/>";
    }
    chain += R"(<rect id="u70001" width="1" height="1"/></defs><use href="#u1"/></svg>)";
    const QByteArray nested = svgStart + QByteArray("<g>").repeated(10000) + "<rect/>" +
                              QByteArray("</g>").repeated(10000) + "</svg>";
    const QByteArray dots =
        svgStart + "<desc>" + QByteArray("a.").repeated(160000) + "</desc></svg>";

    // Page trees that loop: through their own node alone, and past a real page, with a count
    // of ten thousand million.
    const auto pageTree = [](const QByteArray& kids, const QByteArray& count) {
        return "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
               "2 0 obj << /Type /Pages /Kids [" + kids + "] /Count " + count + " >> endobj\n"
               "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >> endobj\n"
               "trailer << /Root 1 0 R >>\n%%EOF\n";
    };

    struct Case {
        const char* name;
        QByteArray bytes;
        PictureProblem problem;
    };
    const Case cases[] = {
        {"cut.pdf", cut, PictureProblem::Damaged},
        {"loop.pdf", pageTree("2 0 R", "1"), PictureProblem::Damaged},
        {"loop-past-a-page.pdf", pageTree("3 0 R 2 0 R 2 0 R", "10000000000"),
         PictureProblem::None},
        {"claims.heic", claims, PictureProblem::TooLarge},
        {"absurd.svg",
         R"(<svg xmlns="http://www.w3.org/2000/svg" width="100000" height="100000"/>)",
         PictureProblem::TooLarge},
        {"laughs.svg", laughs, PictureProblem::Damaged},
        {"uses.svg", uses, PictureProblem::TooComplex},
        {"chain.svg", chain, PictureProblem::TooComplex},
        {"nested.svg", nested, PictureProblem::Damaged},  // Qt's renderer takes no such depth
        {"dots.svg", dots, PictureProblem::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(picture_files::write(path, c.bytes));
        peak_memory::resetPeak();
        const qint64 resident = peak_memory::residentMegabytes();
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(readPictureFile(path).problem, c.problem);
        EXPECT_LT(clock.elapsed(), 5000) << "checks in proportion to the file";
        EXPECT_LT(peak_memory::peakMegabytes() - resident, 100);
    }
    // Drawings within the pixel bound open at their own size, however large.
    for (const int side : {6000, 8000}) {
        const QString path = dir.filePath(QStringLiteral("large.svg"));
        ASSERT_TRUE(picture_files::write(
            path,
            QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1"/>)")
                .arg(side)
                .toUtf8()));
        EXPECT_EQ(readPictureFile(path).image.size(), QSize(side, side));
    }
}
