// SPDX-License-Identifier: GPL-3.0-or-later
#include "gapped_file.h"

#include <algorithm>

bool GappedFile::open(OpenMode mode) {
    return file_.isOpen() && QIODevice::open(mode | QIODevice::Unbuffered) && seek(0);
}

void GappedFile::leaveOut(qint64 at, qint64 length) {
    gapAt_ = at;
    gapLength_ = length;
}

bool GappedFile::seek(qint64 position) {
    return QIODevice::seek(position) && file_.seek(inFile(position));
}

qint64 GappedFile::readData(char* data, qint64 maxSize) {
    const qint64 at = pos();
    qint64 wanted = maxSize;
    if (at < gapAt_) wanted = std::min(wanted, gapAt_ - at);  // up to the gap, then past it
    if (file_.pos() != inFile(at) && !file_.seek(inFile(at))) return -1;
    return file_.read(data, wanted);
}
