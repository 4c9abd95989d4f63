// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include "picture_file_reader.h"

// Memory the reader decodes a picture into and the window shows it from, without a copy. It
// takes memory only as it is written, and is freed when both sides let go of it, however the
// reader ends. On Linux an anonymous memory file; on Windows it would be a file mapping.
class SharedPixels {
public:
    // Room for `bytes` of pixels; invalid where the system gives none.
    explicit SharedPixels(qint64 bytes);
    ~SharedPixels();
    SharedPixels(const SharedPixels&) = delete;
    SharedPixels& operator=(const SharedPixels&) = delete;

    bool isValid() const { return handle_ >= 0; }
    int handle() const { return handle_; }

    // The picture the reader wrote, shown from the shared memory; null when it cannot be. A
    // picture the reader is still writing is mapped without reading it in.
    QImage picture(int width, int height, QImage::Format format, bool written = true) const;

private:
    int handle_ = -1;
    qint64 bytes_ = 0;
};

// A picture mapped while the reader wrote it, now written: its pages are put in place, as for
// a picture mapped once written.
void mapWritten(const QImage& picture);

// In the reader: the memory it was handed, for as long as it runs; empty when it is none.
PixelMemory mapHandedPixels(int handle);

// In the reader: makes the first `bytes` of the memory ready to be written, so that a decoder
// writing there meanwhile from another thread finds them ready; shared memory is slower to make
// ready than a process's own, and this way it costs no time of the decoder's.
void prepareForWriting(PixelMemory memory, qint64 bytes);
