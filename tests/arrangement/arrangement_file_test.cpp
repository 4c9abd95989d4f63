// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "arrangement_file.h"

namespace {

using arrangement_file::read;
using arrangement_file::readFile;
using arrangement_file::write;

const QDir kFolder(QStringLiteral("/rooms/home"));

// Every kind of value, at the edges the window can show.
Arrangement aRoom() {
    Arrangement room;
    room.background = QStringLiteral("/rooms/home/plan.png");
    room.foreground = KeptPicture{
        QStringLiteral("/rooms/home/photos/sofa.jpg"), -0.1f, 7.5e-3f, 3060.f, 1.0f, 3, -179, 0.1};
    room.pieces.push_back({QStringLiteral("/elsewhere/lamp.png"), 1e8f, -251658225.f, 251658225.f,
                           16.75f, 0, 180, 1.0});
    room.pieces.push_back({QStringLiteral("/rooms/home/table 1.png"), 0, 0, 1, 1, 1, 0, 0.7,
                           QSize(40, 30), KeptCalibration{10, 20, 610, 20, 0.25, 150.0, {}}});
    room.calibrations.background =
        KeptCalibration{-2147483647 - 1, 2147483647, 1500, 0, 1.0 / 15, 100.0, 50};
    room.calibrations.foreground = KeptCalibration{0, 0, 750, 3, 2.0 / 15, std::nullopt, {}};
    room.calibrations.measureAlongLine = true;
    room.calibrations.foregroundResized = true;
    return room;
}

QByteArray withPiece(const char* member) {
    return QByteArray(R"({"format": "pokotamu-arrangement", "version": 1, "background": "plan.png",
                         "pieces": [{"file": "a.png", "left": 0, "top": 0, "width": 15,
                                     "height": 15, "quarterTurns": 0, "degrees": 0,
                                     "opacity": 1, )") +
           member + "}]}";
}

}  // namespace

TEST(ArrangementFile, WrittenAndReadIsTheSameWithPathsBelowTheFolderRelative) {
    const QByteArray text = write(aRoom(), kFolder);
    const arrangement_file::Reading reading = read(text, kFolder);
    ASSERT_TRUE(reading.arrangement) << reading.problem.toStdString();
    EXPECT_EQ(*reading.arrangement, aRoom());
    EXPECT_TRUE(reading.notes.isEmpty());
    EXPECT_TRUE(text.contains(R"("background": "plan.png")")) << text.toStdString();
    EXPECT_TRUE(text.contains(R"("file": "photos/sofa.jpg")"));
    EXPECT_TRUE(text.contains(R"("file": "/elsewhere/lamp.png")"));
    // Moved with its folder, the arrangement finds its pictures in the new place.
    const arrangement_file::Reading moved = read(text, QDir(QStringLiteral("/media/usb")));
    ASSERT_TRUE(moved.arrangement);
    EXPECT_EQ(moved.arrangement->background, "/media/usb/plan.png");
    EXPECT_EQ(moved.arrangement->pieces[0].file, "/elsewhere/lamp.png");
}

TEST(ArrangementFile, TheDocumentedExampleReads) {
    const arrangement_file::Reading example =
        readFile(QStringLiteral(POKOTAMU_SOURCE_DIR "/docs/arrangement-example.pokotamu"));
    ASSERT_TRUE(example.arrangement) << example.problem.toStdString();
    EXPECT_EQ(example.arrangement->background, POKOTAMU_SOURCE_DIR "/docs/plan.png");
    ASSERT_EQ(example.arrangement->pieces.size(), 1u);
    EXPECT_EQ(example.arrangement->pieces[0].degrees, -3);
    EXPECT_EQ(example.arrangement->foreground->quarterTurns, 1);
    EXPECT_EQ(example.arrangement->calibrations.background->lengthMm, 100.0);
    EXPECT_TRUE(example.arrangement->calibrations.foregroundResized);
}

TEST(ArrangementFile, DamagedAndHostileFilesAreRefusedWithTheirReason) {
    const std::pair<QByteArray, const char*> refused[] = {
        {"", "JSON"},
        {"{\"format\": \"pokotamu-arrangement\", ", "JSON"},
        {"[1, 2]", "配置ファイルではありません"},
        {R"({"format": "other", "version": 1})", "配置ファイルではありません"},
        {R"({"format": "pokotamu-arrangement", "version": 2})",
         "この版（2）の配置ファイルは開けません（読めるのは 1 です）"},
        {R"({"format": "pokotamu-arrangement", "version": "1"})",
         "version の値が正しくありません（\"1\" とあります。読めるのは 1 です）"},
        {R"({"format": "pokotamu-arrangement"})", "version がありません（読めるのは 1 です）"},
        {R"({"format": "pokotamu-arrangement", "version": 1, "pieces": {}})", "pieces の値"},
        {withPiece("\"x\": 0").replace("\"width\": 15", "\"width\": 1e300"), "pieces[0].width"},
        {withPiece("\"x\": 0").replace("\"height\": 15", "\"height\": 0"), "pieces[0].height"},
        {withPiece("\"x\": 0").replace("\"left\": 0", "\"left\": -1e999"), "illegal number"},
        {withPiece("\"x\": 0").replace("\"left\": 0", "\"left\": -3e8"), "pieces[0].left"},
        {withPiece("\"x\": 0").replace("\"opacity\": 1", "\"opacity\": 5"), "pieces[0].opacity"},
        {withPiece("\"x\": 0").replace("\"quarterTurns\": 0", "\"quarterTurns\": 1.5"),
         "pieces[0].quarterTurns"},
        {withPiece("\"x\": 0").replace("\"degrees\": 0", "\"degrees\": \"90\""),
         "pieces[0].degrees"},
        {withPiece("\"x\": 0").replace("\"a.png\"", "\"\""), "pieces[0].file"},
        {withPiece("\"x\": 0").replace("\"background\": \"plan.png\"", "\"background\": 7"),
         "background"},
        {withPiece("\"x\": 0")
             .replace(
                 "\"pieces\"",
                 R"("calibrations": {"background": {"start": [0, 0, 0], "end": [1, 1], "mmPerTwip": 1}}, "pieces")"),
         "calibrations.background.start"},
        {withPiece("\"x\": 0")
             .replace(
                 "\"pieces\"",
                 R"("calibrations": {"background": {"start": [0, 4294967296], "end": [1, 1], "mmPerTwip": 1}}, "pieces")"),
         "calibrations.background.start.y"},
    };
    for (const auto& [text, reason] : refused) {
        const arrangement_file::Reading reading = read(text, kFolder);
        EXPECT_FALSE(reading.arrangement) << text.toStdString();
        EXPECT_TRUE(reading.problem.contains(QString::fromUtf8(reason)))
            << reading.problem.toStdString() << " for " << text.toStdString();
    }
}

// Every bound of the file just inside and just outside, at both ends; a calibration no input
// could give is named and left out, the rest opens.
TEST(ArrangementFile, EachBoundHoldsJustInsideAndRefusesJustOutside) {
    const struct {
        const char* member;
        const char* inside[2];
        const char* outside[2];
    } bounds[] = {
        {"left", {"-251658225", "251658225"}, {"-251658226", "251658226"}},
        {"width", {"1", "251658225"}, {"0.99", "251658226"}},
        {"quarterTurns", {"0", "3"}, {"-1", "4"}},
        {"degrees", {"-179", "180"}, {"-180", "181"}},
        {"opacity", {"0.1", "1"}, {"0.09", "1.01"}},
        {"pixels", {"[1, 1]", "[1048576, 1048576]"}, {"[0, 5]", "[5, 1048577]"}},
    };
    for (const auto& bound : bounds) {
        for (int end = 0; end < 2; ++end) {
            const QByteArray key = QByteArray("\"") + bound.member + "\": ";
            const auto with = [&](const char* value) {
                QByteArray text = withPiece(key + value);
                const qsizetype first = text.indexOf(key);
                // The member given last is the one read: JSON objects keep the last of a name.
                if (text.indexOf(key, first + 1) > 0)
                    text.remove(first, text.indexOf(',', first) - first + 1);
                return read(text, kFolder);
            };
            EXPECT_TRUE(with(bound.inside[end]).arrangement) << bound.member << bound.inside[end];
            const arrangement_file::Reading refused = with(bound.outside[end]);
            EXPECT_FALSE(refused.arrangement) << bound.member << bound.outside[end];
            EXPECT_TRUE(refused.problem.contains(QStringLiteral("pieces[0].") + bound.member))
                << refused.problem.toStdString();
        }
    }
    const struct {
        const char* scale;
        const char* length;
        bool taken;
    } scales[] = {
        {"0.00005", "1", true},    {"922337203685477", "1", true},
        {"0.00004", "1", false},   {"1e15", "1", false},
        {"-0.0667", "100", false}, {"0", "100", false},
        {"5e-324", "100", false},  {"0.2", "0", false},
        {"0.2", "1e308", false},   {"0.2", "922337203685477", true},
    };
    for (const auto& [scale, length, taken] : scales) {
        const QByteArray calibration =
            QByteArray(R"("calibrations": {"background": {"start": [0, 0],
            "end": [450, 0], "mmPerTwip": )") +
            scale + R"(, "lengthMm": )" + length + "}}, ";
        const arrangement_file::Reading reading =
            read(withPiece("\"x\": 0").replace("\"pieces\"", calibration + "\"pieces\""), kFolder);
        ASSERT_TRUE(reading.arrangement) << scale << ' ' << length;
        EXPECT_EQ(reading.arrangement->calibrations.background.has_value(), taken)
            << scale << ' ' << length;
        EXPECT_EQ(reading.notes.size(), taken ? 0 : 1) << scale;
        if (!taken) {
            EXPECT_TRUE(reading.notes[0].contains("calibrations.background"));
        }
    }
}

// However many pieces it holds within its size, a file keeps them all; only plain files of at
// most a mebibyte are read, the one of exactly that size too.
TEST(ArrangementFile, ALargeRoomKeepsEveryPieceAndOnlyPlainSmallFilesAreRead) {
    QByteArray pieces;
    for (int i = 0; i < 7000; ++i) {
        pieces +=
            R"({"file": "a.png", "left": )" + QByteArray::number(i) +
            R"(, "top": 0, "width": 15, "height": 15, "quarterTurns": 0, "degrees": 0, "opacity": 1},)";
    }
    pieces.chop(1);
    const QByteArray text =
        R"({"format": "pokotamu-arrangement", "version": 1, "pieces": [)" + pieces + "]}";
    ASSERT_LT(text.size(), arrangement_file::kLargestBytes);
    const arrangement_file::Reading reading = read(text, kFolder);
    ASSERT_TRUE(reading.arrangement);
    ASSERT_EQ(reading.arrangement->pieces.size(), 7000u);
    EXPECT_EQ(reading.arrangement->pieces[6999].left, 6999.f) << "in their order";
    EXPECT_TRUE(reading.notes.isEmpty());

    QTemporaryDir dir;
    QFile large(dir.filePath("large.pokotamu"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    QByteArray padded = text;
    padded.append(QByteArray(arrangement_file::kLargestBytes - text.size(), ' '));
    large.write(padded);
    large.close();
    EXPECT_TRUE(readFile(large.fileName()).arrangement) << "a mebibyte exactly";
    ASSERT_TRUE(large.open(QIODevice::Append));
    large.write(" ");
    large.close();
    EXPECT_TRUE(readFile(large.fileName()).problem.contains(QStringLiteral("大きすぎます")));
    EXPECT_TRUE(readFile(QStringLiteral("/dev/zero"))
                    .problem.contains(QStringLiteral("ふつうのファイルではありません")));
    EXPECT_TRUE(
        readFile(dir.path()).problem.contains(QStringLiteral("ふつうのファイルではありません")));
    EXPECT_TRUE(
        readFile(dir.filePath("gone.pokotamu")).problem.contains(QStringLiteral("ありません")));
}
