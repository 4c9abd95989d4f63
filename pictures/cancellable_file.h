#pragma once

#include <QFile>
#include <atomic>
#include <limits>

// A file that ends as soon as a reading is cancelled, so that its decoder stops soon. It can
// also leave out one run of bytes, so that a decoder never sees a part it would misread.
class CancellableFile : public QIODevice {
public:
    CancellableFile(const QString& path, const std::atomic<bool>* cancelled)
        : file_(path), cancelled_(cancelled) {}

    // A few bytes of a progressive JPEG can keep its decoder busy for a long while, so it gets
    // its data a little at a time and sees a cancel soon. Only decoders that take short reads
    // as they come may be given them.
    void readLittleAtATime() { maxRead_ = 256; }

    // From now on the file reads as if the `length` bytes at `at` were not there.
    void leaveOut(qint64 at, qint64 length);

    bool open(OpenMode mode) override;
    qint64 size() const override { return file_.size() - holeLength_; }
    bool seek(qint64 position) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 inFile(qint64 position) const {
        return position < holeAt_ ? position : position + holeLength_;
    }

    QFile file_;
    const std::atomic<bool>* cancelled_;
    qint64 maxRead_ = std::numeric_limits<qint64>::max();
    qint64 holeAt_ = std::numeric_limits<qint64>::max();
    qint64 holeLength_ = 0;
};
