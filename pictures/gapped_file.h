// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <limits>

// An open file read through a view that can leave out one run of bytes, so that a decoder never
// sees a part it would misread.
class GappedFile : public QIODevice {
public:
    explicit GappedFile(QFile& file) : file_(file) {}

    // From now on the file reads as if the `length` bytes at `at` were not there.
    void leaveOut(qint64 at, qint64 length);

    bool open(OpenMode mode) override;
    qint64 size() const override { return file_.size() - gapLength_; }
    bool seek(qint64 position) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 inFile(qint64 position) const {
        return position < gapAt_ ? position : position + gapLength_;
    }

    QFile& file_;
    qint64 gapAt_ = std::numeric_limits<qint64>::max();
    qint64 gapLength_ = 0;
};
