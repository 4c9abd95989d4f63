// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

#include "arrangement.h"

// The arrangement file (.pokotamu): small JSON text, versioned, described in
// docs/arrangement-file.md. Files that lie in or below the arrangement's folder are written
// relative to it, so that the folder can be moved or sent as a whole.
namespace arrangement_file {

inline constexpr char kSuffix[] = "pokotamu";
// Bounds that no real room comes near: a larger file is refused; of more pieces, the window opens
// this many and keeps the rest as they are.
inline constexpr qint64 kLargestBytes = 1 << 20;
inline constexpr int kMostPieces = 200;
// The most pages a plan's file has.
inline constexpr int kMostPages = 10000;
// The most pixels a side of a picture the file speaks of.
inline constexpr int kLargestPictureSide = 1 << 20;

// By its name, as the file manager and the dialogs tell it.
bool isArrangementFile(const QString& path);

// Indented, or compact where only that fits the size read back; larger still, it is more than
// any file read back holds, and the caller refuses to write it.
QByteArray write(const Arrangement& arrangement, const QDir& folder);

struct Reading {
    std::optional<Arrangement> arrangement;  // empty: refused, for `problem`
    QString problem;
    QStringList notes;  // what was left out of an arrangement that opened
};
// Every number is checked against what the window can show; paths are made absolute. A
// calibration whose scale or length no input could have given is left out and named in a note.
Reading read(const QByteArray& text, const QDir& folder);
// The file at `path`: a plain file of at most kLargestBytes.
Reading readFile(const QString& path);

}  // namespace arrangement_file
