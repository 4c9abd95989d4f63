#pragma once

#include <QImage>
#include <QString>

#include "picture_file_reader.h"

class QProcess;

// Memory the reader decodes a picture into and the window shows it from, without a copy. It
// takes memory only as it is written, and is freed when both sides let go of it, however the
// reader ends. On Linux an anonymous memory file whose descriptor the reader inherits; Windows
// would hand over an inheritable file mapping the same way.
class SharedPixels {
public:
    // Room for `bytes` of pixels; invalid where the system gives none.
    explicit SharedPixels(qint64 bytes);
    ~SharedPixels();
    SharedPixels(const SharedPixels&) = delete;
    SharedPixels& operator=(const SharedPixels&) = delete;

    bool isValid() const { return handle_ >= 0; }

    // Hands the memory to the reader `process` is about to start: what its command line names it
    // by. The reader also ends with the window, whatever ends the window.
    QString handTo(QProcess& process) const;

    // The picture the reader wrote, shown from the shared memory; null when it cannot be.
    QImage picture(int width, int height, QImage::Format format) const;

private:
    int handle_ = -1;
    qint64 bytes_ = 0;
};

// In the reader: the memory its command line names, for as long as it runs; empty when none.
PixelMemory mapHandedPixels(const QString& name);

// In the reader: makes the first `bytes` of the memory ready to be written, so that a decoder
// writing there meanwhile from another thread finds them ready; shared memory is slower to make
// ready than a process's own, and this way it costs no time of the decoder's.
void prepareForWriting(PixelMemory memory, qint64 bytes);
