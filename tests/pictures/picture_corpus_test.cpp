// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "plan_files.h"
#include "read_through_reader.h"

using namespace plan_files;

namespace {

struct Kind {
    const char* name;
    std::function<bool(const QString&, int, int)> write;
    bool colour = false;
    bool alpha = false;
    int tolerance = 0;  // lossy kinds come back near the colour they were written in
};

Kind png(const char* name, PngKind kind) {
    const bool colour =
        kind.colorType == 2 || kind.colorType == 6 || (kind.colorType == 3 && kind.bitDepth > 1);
    const bool alpha = kind.colorType == 4 || kind.colorType == 6 || kind.transparentColour;
    return {name, [kind](const QString& p, int w, int h) { return writePng(p, w, h, kind); },
            colour, alpha};
}
Kind tiff(const char* name, TiffKind kind, bool colour = false) {
    return {name, [kind](const QString& p, int w, int h) { return writeTiff(p, w, h, kind); },
            colour};
}
Kind bmp(const char* name, int bits) {
    // Five bits a channel: Qt widens 31 to 248, not 255.
    return {name, [bits](const QString& p, int w, int h) { return writeBmp(p, w, h, bits); },
            bits > 1, false, bits == 16 ? 7 : 0};
}
Kind jpeg(const char* name, JpegKind kind, bool progressive) {
    return {name,
            [=](const QString& p, int w, int h) { return writeJpeg(p, w, h, kind, progressive); },
            kind != JpegKind::Grey, false, 40};
}

const Kind kKinds[] = {
    png("png grey 1", {1, 0}),
    png("png grey 2 tRNS", {2, 0, true}),
    png("png grey 4", {4, 0}),
    png("png grey 8 interlaced", {8, 0, false, true}),
    png("png grey 16 tRNS", {16, 0, true}),
    png("png palette 1", {1, 3}),
    png("png palette 2 tRNS", {2, 3, true}),
    png("png palette 4", {4, 3}),
    png("png palette 8 tRNS interlaced", {8, 3, true, true}),
    png("png grey+alpha 8", {8, 4}),
    png("png grey+alpha 16", {16, 4}),
    png("png rgb 8 tRNS", {8, 2, true}),
    png("png rgb 16", {16, 2}),
    png("png rgb 16 tRNS", {16, 2, true}),
    png("png rgba 8 interlaced", {8, 6, false, true}),
    png("png rgba 16", {16, 6}),
    tiff("tiff bilevel", TiffKind::BilevelNone),
    tiff("tiff bilevel packbits", TiffKind::BilevelPackBits),
    tiff("tiff bilevel lzw", TiffKind::BilevelLzw),
    tiff("tiff bilevel g3", TiffKind::BilevelG3),
    tiff("tiff bilevel g4", TiffKind::BilevelG4),
    tiff("tiff grey 8", TiffKind::Grey8),
    tiff("tiff grey 16", TiffKind::Grey16),
    tiff("tiff palette", TiffKind::Palette, true),
    tiff("tiff rgb", TiffKind::Rgb, true),
    tiff("tiff rgb tiled", TiffKind::RgbTiled, true),
    tiff("tiff cmyk", TiffKind::Cmyk, true),
    bmp("bmp 1", 1),
    bmp("bmp 4", 4),
    bmp("bmp 8", 8),
    bmp("bmp 16", 16),
    bmp("bmp 24", 24),
    bmp("bmp 32", 32),
    {"gif", writeGif, true},
    jpeg("jpeg grey", JpegKind::Grey, false),
    jpeg("jpeg grey progressive", JpegKind::Grey, true),
    jpeg("jpeg rgb", JpegKind::Rgb, false),
    jpeg("jpeg rgb progressive", JpegKind::Rgb, true),
    jpeg("jpeg cmyk", JpegKind::Cmyk, false),
    jpeg("jpeg cmyk progressive", JpegKind::Cmyk, true),
    {"webp lossless", [](const QString& p, int w, int h) { return writeWebp(p, w, h, true); },
     true},
    {"webp lossy", [](const QString& p, int w, int h) { return writeWebp(p, w, h, false); }, true,
     false, 40},
};

bool near(QColor seen, QColor wanted, int tolerance) {
    return std::abs(seen.red() - wanted.red()) <= tolerance &&
           std::abs(seen.green() - wanted.green()) <= tolerance &&
           std::abs(seen.blue() - wanted.blue()) <= tolerance &&
           std::abs(seen.alpha() - wanted.alpha()) <= tolerance;
}

// Writes the plan, opens it as the program does (through a reader process) and looks at the
// walls and the paper; returns the reader's peak memory in megabytes, the pixels it shares with
// the window included.
qint64 opensRight(const Kind& kind, int width, int height) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan"));
    EXPECT_TRUE(kind.write(path, width, height)) << "could not write the plan";
    const Reading reading = readThroughReader(path);
    const ReadPicture& read = reading.picture;
    const qint64 peak = reading.readerPeakBytes / (1024 * 1024);
    EXPECT_EQ(read.problem, PictureProblem::None);
    EXPECT_EQ(read.image.size(), QSize(width, height));
    if (read.image.isNull()) return peak;
    for (const Probe& probe : probes(width, height)) {
        const QColor seen = read.image.pixelColor(probe.at);
        const QColor wanted = expectedColor(probe.ink, kind.colour, kind.alpha);
        EXPECT_TRUE(near(seen, wanted, kind.tolerance))
            << "at " << probe.at.x() << ", " << probe.at.y() << ": rgba " << seen.red() << " "
            << seen.green() << " " << seen.blue() << " " << seen.alpha() << ", wanted "
            << wanted.red() << " " << wanted.green() << " " << wanted.blue() << " "
            << wanted.alpha();
    }
    return peak;
}

}  // namespace

// Every kind of picture a scanner, a fax or a phone writes opens as an A4 plan at 300 dpi,
// within the memory bound, with its walls where they were drawn.
TEST(PictureCorpus, AnA4PlanOfEveryKindOpensWithTheRightPixels) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const qint64 peak = opensRight(kind, 2480, 3508);
        std::printf("%-32s A4 300 dpi: peak %lld MB\n", kind.name, static_cast<long long>(peak));
        EXPECT_LT(peak, 1024);
    }
}

// The largest pictures the bound accepts, of the kinds whose decoders allocate most beyond
// what the file declares.
TEST(PictureCorpus, TheLargestBilevelGreyAndPalettePlansOpen) {
    const Kind largest[] = {
        png("png grey 1", {1, 0}),
        png("png grey 8", {8, 0}),
        png("png palette 8", {8, 3}),
        tiff("tiff bilevel g4", TiffKind::BilevelG4),
        jpeg("jpeg grey progressive", JpegKind::Grey, true),
    };
    for (const Kind& kind : largest) {
        SCOPED_TRACE(kind.name);
        const qint64 peak = opensRight(kind, 10000, 10000);
        std::printf("%-32s 10000 x 10000: peak %lld MB\n", kind.name, static_cast<long long>(peak));
        EXPECT_LT(peak, 1024);
    }
}
