// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <optional>

#include "picture_reader_process.h"

// A file read as the program reads it: by a reader process, its result taken in the window.
struct Reading {
    ReadPicture picture;
    qint64 milliseconds;
    int protections;
    qint64 readerPeakBytes;
};

inline Reading readThroughReader(const QString& path, int timeLimitMilliseconds = 60000,
                                 const QStringList& wrapper = {}) {
    PictureReaderProcess reader;
    reader.setTimeLimit(timeLimitMilliseconds);
    if (!wrapper.isEmpty()) reader.runThrough(wrapper);
    std::optional<ReadPicture> read;
    QEventLoop loop;
    QObject::connect(&reader, &PictureReaderProcess::finished, [&](const ReadPicture& result) {
        read = result;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    reader.start(path);
    if (!read) loop.exec();
    return {*read, clock.elapsed(), reader.protections(), reader.peakBytes()};
}
