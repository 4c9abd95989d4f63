#include "cancellable_file.h"

#include <algorithm>

bool CancellableFile::open(OpenMode mode) {
    return file_.open(mode) && QIODevice::open(mode | QIODevice::Unbuffered);
}

void CancellableFile::leaveOut(qint64 at, qint64 length) {
    holeAt_ = at;
    holeLength_ = length;
}

bool CancellableFile::seek(qint64 position) {
    return QIODevice::seek(position) && file_.seek(inFile(position));
}

qint64 CancellableFile::readData(char* data, qint64 maxSize) {
    if (cancelled_ && cancelled_->load()) return 0;
    const qint64 at = pos();
    qint64 wanted = std::min(maxSize, maxRead_);
    if (at < holeAt_) wanted = std::min(wanted, holeAt_ - at);  // up to the hole, then past it
    if (file_.pos() != inFile(at) && !file_.seek(inFile(at))) return -1;
    return file_.read(data, wanted);
}
