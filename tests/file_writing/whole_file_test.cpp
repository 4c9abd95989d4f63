// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer against the disk as it is: full, read-only, linked, not a file.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "whole_file.h"

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

WriteResult writeBytes(const QString& path, const QByteArray& bytes) {
    return writeWholeFile(path, [&](QIODevice& file) {
        file.write(bytes);
        return QString();
    });
}

}  // namespace

// Every failure leaves the old file byte for byte and no file of its own beside it.
TEST(WholeFile, AFailureLeavesTheOldFileAsItWasAndSaysWhy) {
    QTemporaryDir dir;
    const QString old = dir.filePath("room.pokotamu");
    const QByteArray before = "{\"format\": \"pokotamu-arrangement\"}";
    put(old, before);
    QDir(dir.path()).mkdir("folder");
    put(dir.filePath("locked.pokotamu"), before);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("locked.pokotamu")).constData(), 0444), 0);

    const struct {
        const char* name;
        QString path;
        WriteFailure failure;
    } cases[] = {
        {"read-only", dir.filePath("locked.pokotamu"), WriteFailure::ReadOnlyFile},
        {"a folder", dir.filePath("folder"), WriteFailure::NotAFile},
        {"no folder", dir.filePath("gone/room.pokotamu"), WriteFailure::NoFolder},
        {"a device", QStringLiteral("/dev/null"), WriteFailure::NotAFile},
    };
    for (const auto& c : cases) {
        const QByteArray was = contentOf(c.path);
        EXPECT_EQ(writeBytes(c.path, "new").failure, c.failure) << c.name;
        EXPECT_EQ(contentOf(c.path), was) << c.name;
    }
    const WriteResult unmade =
        writeWholeFile(old, [](QIODevice&) { return QStringLiteral("no pages"); });
    EXPECT_EQ(unmade.failure, WriteFailure::Content);
    EXPECT_EQ(unmade.systemText, "no pages");
    EXPECT_EQ(contentOf(old), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "nothing of the writer's left";
}

// A full disk fails inside the flush of a buffered writer; this one sees it at the write. Only
// where a small filesystem can be mounted (as root).
TEST(WholeFile, AFullDiskKeepsTheOldFileAndIsReportedAsSuch) {
    QTemporaryDir dir;
    const QByteArray place = QFile::encodeName(dir.path());
    if (::geteuid() != 0 || ::mount("tmpfs", place.constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "a 64 KiB filesystem needs root";
    }
    const std::unique_ptr<const char, int (*)(const char*)> mounted(place.constData(), ::umount);
    const QString room = dir.filePath("room.pokotamu");
    const QByteArray before(1185, 'r');
    put(room, before);
    put(dir.filePath("filler"), QByteArray(60 * 1024, 'f'));
    const WriteResult full = writeBytes(room, QByteArray(8 * 1024, 'n'));
    EXPECT_EQ(full.failure, WriteFailure::DiskFull);
    EXPECT_EQ(contentOf(room), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// Written whole: through a link the file it names is replaced and the link stays; the mode and
// what a seek wrote back are kept; the same file is known under any of its names.
TEST(WholeFile, AFileIsReplacedWholeKeepingItsModeAndItsLinks) {
    QTemporaryDir dir;
    const QString target = dir.filePath("room.pokotamu");
    const QString link = dir.filePath("link.pokotamu");
    put(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, link));
    const WriteResult written = writeWholeFile(link, [](QIODevice& file) {
        file.write("0123456789");
        file.seek(2);
        file.write("ab");  // as a TIFF writer goes back to its header
        return QString();
    });
    ASSERT_TRUE(written.written());
    EXPECT_EQ(contentOf(target), "01ab456789");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    struct stat mode {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &mode), 0);
    EXPECT_EQ(mode.st_mode & 07777, 0640u);

    EXPECT_TRUE(isSameFile(link, target));
    QDir(dir.path()).mkdir("folder");
    EXPECT_TRUE(isSameFile(dir.path() + "/./folder/../room.pokotamu", target));
    put(dir.filePath("other.png"), "o");
    EXPECT_FALSE(isSameFile(dir.filePath("other.png"), target));
    EXPECT_FALSE(isSameFile(dir.filePath("missing.png"), target));
    EXPECT_TRUE(writeBytes(dir.filePath("new.pokotamu"), "n").written()) << "a new file";
    EXPECT_EQ(contentOf(dir.filePath("new.pokotamu")), "n");
}
