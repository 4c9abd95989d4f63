#pragma once

#include <QString>

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

    // Hands the reader an open file and the memory for its pixels; false if it is gone.
    bool hand(int file, int pixels) const;

private:
    int windowEnd_ = -1;
    int readerEnd_ = -1;
};

// In the reader: waits for what the window hands over the channel its command line names.
struct HandedOver {
    int file = -1;
    int pixels = -1;
};
HandedOver waitToBeHanded(const QString& channel);
