// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "first_picture.h"
#include "picture_file_reader.h"

class QProcess;

// The way to a reader started ahead of time: it sets itself up and shuts itself in while the
// user still chooses a file, then waits here to be handed the file and the memory for its
// pixels. On Linux a socket pair that carries open descriptors; Windows would duplicate the
// handles into the reader and send their values through a pipe.
class ReaderChannel {
public:
    ReaderChannel();
    ~ReaderChannel();
    ReaderChannel(const ReaderChannel&) = delete;
    ReaderChannel& operator=(const ReaderChannel&) = delete;

    bool isValid() const { return windowEnd_ >= 0; }

    // Gives the reader `process` is about to start its end of the channel: what its command
    // line names it by. The reader also ends with the window, whatever ends the window.
    QString handTo(QProcess& process) const;

    // Hands the reader an open file, the memory for its pixels and for a reduced copy of them,
    // the view it opens in and what of the file is asked for; false if it is gone.
    bool hand(int file, int pixels, int firstPixels, const FirstView& view,
              const ReadRequest& request) const;

private:
    int windowEnd_ = -1;
    int readerEnd_ = -1;
};

// In the reader: waits for what the window hands over the channel its command line names.
struct HandedOver {
    int file = -1;
    int pixels = -1;
    int firstPixels = -1;
    FirstView view;
    ReadRequest request;
};
HandedOver waitToBeHanded(const QString& channel);
