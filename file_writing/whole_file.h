// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QString>
#include <functional>

// Every file the program writes is written by `writeWholeFile`: whole or not at all. What the
// caller writes goes to a new file beside the target, every write and the final flush checked (a
// full disk fails inside the flush), synced, then renamed over the old file, and the folder
// synced; the old file's permission bits and owner are kept. On any failure the old file is left
// exactly as it was and the new one is removed. A symbolic link is written through: the file it
// names is replaced, the link stays.

enum class WriteFailure {
    None,
    DiskFull,       // no space, or the user's quota
    NotAllowed,     // the folder may not be written
    ReadOnlyFile,   // the file is there and marked read-only
    ReadOnlyPlace,  // a read-only filesystem
    NoFolder,
    NotAFile,  // a folder, a device or a pipe stands at the name
    TooLong,   // a name too long for the filesystem
    DeviceError,
    Content,  // what was to be written could not be made
    Other,
};

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    QString systemText;  // the system's own words, or the content's, for those kinds
    bool written() const { return failure == WriteFailure::None; }
};

// `write` writes the file's content into the device (which can seek) and says why it could not,
// or nothing; a reason, or any error of the device, fails the whole.
WriteResult writeWholeFile(const QString& path, const std::function<QString(QIODevice&)>& write);

// Whether two names stand for the same file on the disk: through links, and whatever the case
// where the filesystem ignores it. False where either is not there.
bool isSameFile(const QString& one, const QString& other);
