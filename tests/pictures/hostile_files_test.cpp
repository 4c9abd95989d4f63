// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "peak_memory.h"
#include "picture_file_reader.h"
#include "picture_files.h"

namespace {

QByteArray bmpOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A BMP header alone: its size as declared, rows running top-down.
QByteArray bmpHeader(qint32 width, qint32 height) {
    QByteArray bytes(70, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<quint32>(70, bytes.data() + 2);
    qToLittleEndian<quint32>(54, bytes.data() + 10);
    qToLittleEndian<quint32>(40, bytes.data() + 14);
    qToLittleEndian<qint32>(width, bytes.data() + 18);
    qToLittleEndian<qint32>(height, bytes.data() + 22);
    qToLittleEndian<quint16>(1, bytes.data() + 26);
    qToLittleEndian<quint16>(32, bytes.data() + 28);
    return bytes;
}

}  // namespace

// Small files that ask a decoder for far more than they are worth are refused before any
// decoder runs, within 100 MB; a cut file shows nothing it does not hold.
TEST(HostileFiles, AreRefusedBeforeTheyCostMemoryAndShowNothingUnread) {
    QTemporaryDir dir;
    QImage white(60, 60, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QByteArray onePixel = picture_files::blackPng(1, 1);
    QByteArray mngHeader(28, '\0');
    qToBigEndian<quint32>(64, mngHeader.data());
    qToBigEndian<quint32>(100000000, mngHeader.data() + 4);
    // Found by fuzzing: a JPEG header that leaves the decoder's format unset.
    const QByteArray unsetFormat = QByteArray::fromHex(
        "ffd8ffe000104a464946000101016b0100000000ffdb00430008060607060508070707090908"
        "0a0c140d0c0b0b0c1912130f141d1a1f1e424db6040000000000003600000028000000180000"
        "001000000001001800000000001d1a1c1c20242e2720222c231c1c2837292c30313434341f27"
        "393d38323c2e333432ffdb0043010909090c0b0c180d0d1832211c2180040000c40e0000c40e"
        "00000000000000000000000000000000000000000000000000");
    const QByteArray progressiveFrame(
        "\xFF\xD8\xFF\xC2\x00\x11\x08\x27\x10\x27\x10\x03"
        "\x01\x11\x00\x02\x11\x01\x03\x11\x01\xFF\xD9",
        23);
    struct Case {
        const char* name;
        QByteArray bytes;
        PictureProblem problem;
    };
    const Case cases[] = {
        // a text chunk claiming 2 GB after a 1 x 1 picture, in 44 bytes
        {"text.png", onePixel.left(33) + QByteArray("\x7F\xFF\xFF\xFFtEXtk\0v", 11),
         PictureProblem::Damaged},
        {"tall.mng",
         QByteArray("\x8AMNG\r\n\x1A\n", 8) + picture_files::pngChunk("MHDR", mngHeader) +
             picture_files::pngChunk("MEND", {}),
         PictureProblem::NotAPicture},
        {"cut.bmp", bmpOf(white).left(3000), PictureProblem::Damaged},
        {"topdown.bmp", bmpHeader(10000, -40000), PictureProblem::TooLarge},
        {"progressive.jpg", progressiveFrame, PictureProblem::TooLarge},  // 10000 x 10000
        {"unset.jpg", unsetFormat, PictureProblem::Damaged},
        // found by fuzzing: frames of 0 x 10240 on a screen of 49870 x 2051, in 26 bytes
        {"screen.gif", QByteArray::fromBase64("R0lGODlhzsIDCAAAACwAAAAAAAAAKAAAAAA="),
         PictureProblem::TooLarge},
    };
    ASSERT_EQ(cases[0].bytes.size(), 44);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(picture_files::write(path, c.bytes));
        const bool measured = peak_memory::resetPeak();
        const qint64 before = peak_memory::residentMegabytes();
        EXPECT_EQ(readPictureFile(path).problem, c.problem);
        if (measured) {
            EXPECT_LT(peak_memory::peakMegabytes() - before, 100);
        }
    }
}

// Sixteen bits a channel take twice the memory; such pictures open up to the same bound.
TEST(HostileFiles, SixteenBitPicturesOpenWithinTheMemoryBound) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deep.png"));
    ASSERT_TRUE(picture_files::write(path, picture_files::blackPng(7100, 7100, 16, 2)));
    peak_memory::resetPeak();
    const ReadPicture loaded = readPictureFile(path);
    EXPECT_EQ(loaded.problem, PictureProblem::None);
    EXPECT_EQ(loaded.image.size(), QSize(7100, 7100));
    if (peak_memory::peakMegabytes() > 0) {
        EXPECT_LT(peak_memory::peakMegabytes(), 1024);
    }
}
