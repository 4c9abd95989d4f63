// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer on a system with POSIX files: mkstemp, pwrite, fsync, rename.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "whole_file.h"

namespace {

WriteResult failureOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return {WriteFailure::DiskFull, {}};
        case EACCES:
        case EPERM:
            return {WriteFailure::NotAllowed, {}};
        case EROFS:
            return {WriteFailure::ReadOnlyPlace, {}};
        case ENOENT:
        case ENOTDIR:
            return {WriteFailure::NoFolder, {}};
        case ENAMETOOLONG:
            return {WriteFailure::TooLong, {}};
        case EIO:
            return {WriteFailure::DeviceError, {}};
        default:
            return {WriteFailure::Other, QString::fromLocal8Bit(std::strerror(error))};
    }
}

// A file written at the device's place, each write checked to its last byte; the first error is
// kept with its number, and every write after it fails.
class CheckedFile : public QIODevice {
public:
    explicit CheckedFile(int descriptor) : descriptor_(descriptor) {}
    int error() const { return error_; }
    bool isSequential() const override { return false; }
    qint64 size() const override { return end_; }

protected:
    qint64 writeData(const char* data, qint64 length) override {
        qint64 done = 0;
        while (error_ == 0 && done < length) {
            const ssize_t wrote =
                ::pwrite(descriptor_, data + done, size_t(length - done), off_t(pos() + done));
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote <= 0) error_ = wrote < 0 ? errno : EIO;
            if (wrote > 0) done += wrote;
        }
        if (error_ != 0) return -1;
        end_ = std::max(end_, pos() + done);
        return done;
    }
    qint64 readData(char* data, qint64 length) override {
        const ssize_t read = ::pread(descriptor_, data, size_t(length), off_t(pos()));
        return read < 0 ? -1 : read;
    }

private:
    int descriptor_;
    int error_ = 0;
    qint64 end_ = 0;
};

int currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return int(mask);
}

}  // namespace

WriteResult writeWholeFile(const QString& path, const std::function<QString(QIODevice&)>& write) {
    const QFileInfo named(path);
    const QString target = named.exists() ? named.canonicalFilePath() : named.absoluteFilePath();
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool replaces = ::stat(targetName.constData(), &old) == 0;
    if (replaces && !S_ISREG(old.st_mode)) return {WriteFailure::NotAFile, {}};
    // Read-only to its owner: kept as it is, also against a writer who may write anyway.
    if (replaces && !(old.st_mode & S_IWUSR)) return {WriteFailure::ReadOnlyFile, {}};

    const QFileInfo final(target);
    QByteArray temporary =
        QFile::encodeName(final.absolutePath() + QStringLiteral("/.") + final.fileName()) +
        ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) return failureOf(errno);
    int error = 0;
    const auto check = [&error](bool ok) {
        if (!ok && error == 0) error = errno != 0 ? errno : EIO;
    };
    check(::fchmod(descriptor, replaces ? old.st_mode & 07777 : 0666 & ~currentUmask()) == 0);
    if (replaces && ::geteuid() == 0) {
        check(::fchown(descriptor, old.st_uid, old.st_gid) == 0);
    }
    CheckedFile file(descriptor);
    file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    const QString unmade = error == 0 ? write(file) : QString();
    if (error == 0) error = file.error();
    if (error == 0 && unmade.isEmpty()) check(::fsync(descriptor) == 0);
    check(::close(descriptor) == 0);
    if (error == 0 && unmade.isEmpty()) {
        check(::rename(temporary.constData(), targetName.constData()) == 0);
    }
    if (error != 0 || !unmade.isEmpty()) {
        ::unlink(temporary.constData());
        return error != 0 ? failureOf(error) : WriteResult{WriteFailure::Content, unmade};
    }
    // The new name is on the disk only once its folder is.
    const int folder =
        ::open(QFile::encodeName(final.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}
