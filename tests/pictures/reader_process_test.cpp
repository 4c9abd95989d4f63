// SPDX-License-Identifier: GPL-3.0-or-later
// The reader process: files made to run away end with their true reason within the reader's
// bounds, and the reader opens no file of the user's.
#include <gtest/gtest.h>

#include <zlib.h>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>

#include <sys/resource.h>

#include "picture_files.h"
#include "picture_reader_process.h"
#include "read_through_reader.h"
#include "reader_answer.h"

namespace {

// Content that inflates to `megabytes` of spaces: nothing to draw, a lot to hold.
QByteArray flateBomb(int megabytes) {
    z_stream z{};
    deflateInit(&z, 9);
    const QByteArray megabyte(1 << 20, ' ');
    QByteArray out;
    char buffer[1 << 16];
    for (int i = 0; i <= megabytes; ++i) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(megabyte.constData()));
        z.avail_in = i < megabytes ? uInt(megabyte.size()) : 0;
        do {
            z.next_out = reinterpret_cast<Bytef*>(buffer);
            z.avail_out = sizeof buffer;
            deflate(&z, i < megabytes ? Z_NO_FLUSH : Z_FINISH);
            out.append(buffer, int(sizeof buffer - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return out;
}

qint64 largestReaderBytes() {
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    return qint64(children.ru_maxrss) * 1024;
}

}  // namespace

TEST(ReaderProcess, RunawayFilesEndWithTheirTrueReasonWithinTheReadersBounds) {
    QTemporaryDir dir;
    const QByteArray bomb = flateBomb(900);
    const struct {
        const char* name;
        QByteArray bytes;
        int timeLimitMilliseconds;
        PictureProblem problem;
    } cases[] = {
        {"form drawing itself", picture_files::selfDrawingPdf(), 2000,
         PictureProblem::TakesTooLong},
        // Ended by its memory long before the time a busy machine might need to inflate it.
        {"900 MB of page content", picture_files::onePagePdf(bomb, {}, "/Filter /FlateDecode"),
         60000, PictureProblem::NeedsTooMuchMemory},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("runaway.pdf"));
        ASSERT_TRUE(picture_files::write(path, c.bytes));
        const Reading reading = readThroughReader(path, c.timeLimitMilliseconds);
        EXPECT_EQ(reading.picture.problem, c.problem);
        EXPECT_TRUE(reading.picture.image.isNull());
        EXPECT_LT(reading.milliseconds, std::min(c.timeLimitMilliseconds + 1000, 20000));
    }
    EXPECT_LT(largestReaderBytes(), 1000LL * 1024 * 1024) << "with the window, under a gigabyte";

    // A reader that crashes met a file its decoder could not take.
    const QString plain = dir.filePath(QStringLiteral("plain.png"));
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(plain));
    EXPECT_EQ(readThroughReader(plain, 5000, {"/bin/sh", "-c", "kill -SEGV $$"}).picture.problem,
              PictureProblem::Damaged);
}

// A drawing that names a picture of the user's in every way a reference can be written. The
// rewriting takes them all out; the reader could not open the picture even if one were left.
TEST(ReaderProcess, TheReaderOpensNoFileButTheOneItIsHanded) {
    QTemporaryDir dir(QDir::temp().filePath(QStringLiteral("it's secret-XXXXXX")));
    const QString secret = dir.filePath(QStringLiteral("it's secret.png"));
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(secret));
    const QString url = QUrl::fromLocalFile(secret).toString();
    QString escaped = secret;
    escaped.replace(u'\'', QStringLiteral("&apos;"));
    QString numbered;
    for (const QChar c : secret) numbered += QStringLiteral("&#%1;").arg(c.unicode());
    const QString svg =
        QStringLiteral(
            R"svg(<?xml version="1.0"?><!DOCTYPE svg [<!ENTITY where "%1">]>)svg"
            R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink")svg"
            R"svg( width="100" height="20"><style>@import "%2"; rect { fill: url('%2') }</style>)svg"
            R"svg(<image xlink:href="%1" width="20" height="20"/>)svg"
            R"svg(<image x="20" href='%3' width="20" height="20"/>)svg"
            R"svg(<image x="40" href="&where;" width="20" height="20"/>)svg"
            R"svg(<image x="60" href="%4" width="20" height="20"/>)svg"
            R"svg(<rect x="80" width="20" height="20" style="fill:URL( %2 )"/></svg>)svg")
            .arg(secret, url, escaped, numbered);
    const QString path = dir.filePath(QStringLiteral("drawing.svg"));
    ASSERT_TRUE(picture_files::write(path, svg.toUtf8()));

    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    const QString trace = dir.filePath(QStringLiteral("trace"));
    const Reading reading = readThroughReader(
        path, 20000,
        strace.isEmpty()
            ? QStringList{}
            : QStringList{strace, "-f", "-e", "trace=open,openat,openat2", "-o", trace});
    ASSERT_EQ(reading.picture.problem, PictureProblem::None);
    const QImage& drawn = reading.picture.image;
    for (int x = 10; x < 100; x += 20) EXPECT_NE(drawn.pixel(x, 10), qRgb(255, 0, 0)) << x;

    const int seen = reading.protections;
    std::printf(
        "The reader ran with:%s%s%s%s%s\n", seen & NoNewPrivileges ? " no new privileges" : "",
        seen & MemoryLimit ? ", a memory limit" : "", seen & TimeLimit ? ", a time limit" : "",
        seen & OnlyItsFile ? ", no file of the user's" : "",
        seen & NoNetwork ? ", no network" : "");
    EXPECT_TRUE(seen & TimeLimit && seen & NoNewPrivileges) << "every Linux gives these";
    if (strace.isEmpty()) GTEST_SKIP() << "strace is not installed: what is opened is not seen";
    QFile log(trace);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray opened = log.readAll();
    EXPECT_TRUE(opened.contains("openat")) << "the trace saw the reader";
    EXPECT_FALSE(opened.contains(QFile::encodeName(dir.path()))) << opened.toStdString();
}
