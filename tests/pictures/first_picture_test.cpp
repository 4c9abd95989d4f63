// SPDX-License-Identifier: GPL-3.0-or-later
// A large picture shown reduced first: as sharp as the view needs, the mean of what it stands
// for, told before the whole with the whole's size, and the whole the same picture after it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QEventLoop>
#include <QPainter>
#include <QTemporaryDir>
#include <vector>

#include "first_picture.h"
#include "picture_files.h"
#include "picture_reader_process.h"
#include "reader_answer.h"

TEST(FirstPicture, HalvingsLeaveAtLeastThePixelsTheViewShows) {
    const struct {
        QSize size;
        FirstView view;
        int halvings;
    } cases[] = {
        {{6000, 4000}, {1, {1280, 1024}, 0.1}, 2},    // fitted at 21 %
        {{6000, 4000}, {0.18, {}, 0}, 2},             // a foreground at the plan's 18 %
        {{6000, 4000}, {0.51, {}, 0}, 0},             // over half: the picture itself
        {{6000, 4000}, {0.5, {}, 0}, 1},              // half: as the view paints it
        {{30000, 20000}, {1, {1280, 1024}, 0.1}, 3},  // never smaller than the smallest level
        {{1000, 800}, {1, {1280, 1024}, 0.1}, 0},     // shown whole at 100 %
        {{6000, 4000}, {2, {2560, 2048}, 0.2}, 1},    // a screen of two pixels a point
        {{6000, 4000}, {0, {}, 0}, 0},                // not asked
    };
    for (const auto& c : cases) {
        EXPECT_EQ(firstHalvings(c.size, c.view), c.halvings)
            << c.size.width() << " at " << c.view.level;
    }
}

TEST(FirstPicture, OnePassReductionIsTheMeanOfEachSquareWhateverTheFormat) {
    QImage grey(5, 3, QImage::Format_Grayscale8);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) grey.scanLine(y)[x] = uchar(50 * y + 10 * x);
    }
    const int means[2][3] = {{30, 50, 65}, {105, 125, 140}};  // edge squares are partial
    for (const QImage::Format format :
         {QImage::Format_Grayscale8, QImage::Format_Indexed8, QImage::Format_ARGB32,
          QImage::Format_RGB888, QImage::Format_RGB16}) {
        SCOPED_TRACE(int(format));
        const QImage reduced = reducedInOnePass(grey.convertToFormat(format), 1);
        ASSERT_EQ(reduced.size(), QSize(3, 2));
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                // RGB16 keeps 5 or 6 bits a channel.
                EXPECT_NEAR(qGreen(reduced.pixel(x, y)), means[y][x], 4) << x << "," << y;
                EXPECT_EQ(qAlpha(reduced.pixel(x, y)), 255);
            }
        }
    }
    // A black-and-white scan, bits either way round, over a line not a whole number of bytes:
    // each square of a checkerboard is half black, half white.
    QImage checkerboard(10, 2, QImage::Format_Mono);
    checkerboard.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 10; ++x) checkerboard.setPixel(x, y, uint((x + y) % 2));
    }
    for (const QImage& bits :
         {checkerboard, checkerboard.convertToFormat(QImage::Format_MonoLSB)}) {
        const QImage halved = reducedInOnePass(bits, 1);
        ASSERT_EQ(halved.size(), QSize(5, 1));
        for (int x = 0; x < 5; ++x) EXPECT_EQ(halved.pixel(x, 0), qRgb(128, 128, 128)) << x;
    }
    // See-through: a red pixel beside a clear one is half red, half clear, premultiplied.
    QImage clear(2, 1, QImage::Format_ARGB32);
    clear.setPixel(0, 0, qRgba(255, 0, 0, 255));
    clear.setPixel(1, 0, qRgba(0, 0, 255, 0));
    const QImage half = reducedInOnePass(clear, 1);
    EXPECT_EQ(half.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(half.pixel(0, 0), qRgba(128, 0, 0, 128));
}

namespace {

struct Told {
    QImage reduced;
    QSize size;
    QImage::Format format = QImage::Format_Invalid;
    bool beforeTheWhole = false;
};

// Left half red, right half blue.
QImage halves(QSize size, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

bool reddish(QRgb p) { return qRed(p) > 200 && qBlue(p) < 60; }

}  // namespace

TEST(FirstPicture, IsToldBeforeTheWholeWithTheWholesUprightSizeAndFormat) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray bytes;
        double level;
        QSize told;  // empty: none
        QSize reduced;
        QImage::Format format;
    } cases[] = {
        // Stored 1600 x 1200, turned a quarter clockwise by its tag: red on top.
        {"phone.jpg",
         picture_files::withOrientation(encoded(halves({1600, 1200}), "JPEG"), 6),
         0.25,
         {1200, 1600},
         {300, 400},
         QImage::Format_RGB32},
        {"scan.png",
         encoded(halves({1000, 600}).convertToFormat(QImage::Format_Grayscale8), "PNG"),
         0.3,
         {1000, 600},
         {500, 300},
         QImage::Format_RGB32},
        {"cutout.png",
         encoded(halves({800, 400}, QImage::Format_ARGB32), "PNG"),
         0.2,
         {800, 400},
         {200, 100},
         QImage::Format_ARGB32_Premultiplied},
        {"near.jpg", encoded(halves({1600, 1200}), "JPEG"), 0.6, {}, {}, QImage::Format_RGB32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(dir.filePath(c.name));
        ASSERT_TRUE(picture_files::write(file.fileName(), c.bytes));
        ASSERT_EQ(openPictureFile(file), PictureProblem::None);
        std::vector<uchar> memory(1600 * 1600 * 4);
        bool writing = false;
        const PixelMemory into{memory.data(), qint64(memory.size()),
                               [&](qint64) { writing = true; }};
        std::optional<Told> told;
        const ReadPicture read =
            readPicture(file, into, {{c.level, {}, 0}, [&](const QImage& r, QSize s, auto f, auto) {
                                         told = Told{r, s, f, !writing};
                                     }});
        ASSERT_EQ(read.problem, PictureProblem::None);
        EXPECT_EQ(read.image.format(), c.format);
        if (c.told.isEmpty()) {
            EXPECT_FALSE(told);
            continue;
        }
        ASSERT_TRUE(told);
        EXPECT_TRUE(told->beforeTheWhole) << "told before the whole was written";
        EXPECT_EQ(told->size, c.told);
        EXPECT_EQ(read.image.size(), c.told);
        EXPECT_EQ(told->reduced.size(), c.reduced);
        EXPECT_EQ(told->format, c.format);
        EXPECT_EQ(told->reduced.format(), c.format);
        // Turned as the whole is: each half as the whole shows it there.
        const QImage& r = told->reduced;
        const QImage& whole = read.image;
        const bool upright = c.told.height() > c.told.width();
        const int times = whole.width() / r.width();
        for (const double along : {0.125, 0.875}) {
            const QPoint at = upright ? QPoint(r.width() / 2, int(r.height() * along))
                                      : QPoint(int(r.width() * along), r.height() / 2);
            const QRgb mine = r.pixel(at), theWholes = whole.pixel(at * times);
            EXPECT_NEAR(qRed(mine), qRed(theWholes), 12) << along;
            EXPECT_NEAR(qBlue(mine), qBlue(theWholes), 12) << along;
        }
        if (upright) {
            EXPECT_TRUE(reddish(r.pixel(r.width() / 2, 10))) << "red on top";
        }
    }
}

// Through the reader process: the reduced copy, then the very picture it was told with, whole;
// a reader that dies after the reduced copy fails the whole.
TEST(FirstPicture, TheReaderTellsTheReducedCopyThenTheSamePictureWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(picture_files::write(path, encoded(halves({2400, 1600}), "JPEG")));
    const QString oneAnswer =
        QStringLiteral("\"$@\" | dd bs=%1 count=1 2>/dev/null").arg(encodeAnswer({}).size());
    for (const bool cutShort : {false, true}) {
        SCOPED_TRACE(cutShort ? "cut short" : "whole");
        PictureReaderProcess reader;
        if (cutShort) reader.runThrough({"/bin/sh", "-c", oneAnswer, "sh"});
        std::optional<ReadPicture> first, whole;
        QEventLoop loop;
        QObject::connect(&reader, &PictureReaderProcess::firstRead,
                         [&](const ReadPicture& read) { first = read; });
        QObject::connect(&reader, &PictureReaderProcess::finished, [&](const ReadPicture& read) {
            whole = read;
            loop.quit();
        });
        reader.start(path, {0.2, {}, 0});
        if (!whole) loop.exec();
        ASSERT_TRUE(first);
        EXPECT_EQ(first->image.size(), QSize(2400, 1600));
        EXPECT_EQ(first->reduced.size(), QSize(600, 400));
        if (cutShort) {
            EXPECT_EQ(whole->problem, PictureProblem::Damaged);
            EXPECT_TRUE(whole->image.isNull());
            continue;
        }
        ASSERT_EQ(whole->problem, PictureProblem::None);
        EXPECT_EQ(whole->image.cacheKey(), first->image.cacheKey());
        EXPECT_TRUE(whole->reduced.isNull());
        EXPECT_EQ(whole->image, readPictureFile(path).image);
        // Decoded straight into the memory it is shown from, it has the pixels of a copy
        // decoded in memory of its own.
        QImage alone;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        FirstPicture told{{0.2, {}, 0}};
        told.ready = [&](const QImage& reduced, QSize, QImage::Format, QSizeF) {
            alone = reduced.copy();
        };
        readPicture(file, {}, told);
        EXPECT_EQ(first->reduced, alone);
    }
}
