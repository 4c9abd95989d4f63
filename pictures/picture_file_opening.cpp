// SPDX-License-Identifier: GPL-3.0-or-later
// Apart from the decoders: the window opens every file it hands its reader, and links none of them.
#include <QFileInfo>

#include "picture_file_reader.h"

PictureProblem openPictureFile(QFile& file) {
    const QFileInfo info(file.fileName());
    // A name's bytes that are not UTF-8 come as the replacement character, which no file has.
    if (!info.exists() && file.fileName().contains(QChar::ReplacementCharacter)) {
        return PictureProblem::NameNotUtf8;
    }
    if (!info.exists()) return PictureProblem::Missing;
    if (!info.isFile()) return PictureProblem::NotAPicture;
    if (!file.open(QIODevice::ReadOnly)) return PictureProblem::Unopenable;
    if (file.size() == 0) return PictureProblem::Empty;
    return PictureProblem::None;
}
