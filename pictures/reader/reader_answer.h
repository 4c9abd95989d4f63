// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

#include "picture_file_reader.h"

// What keeps the reader in bounds, as far as the system it runs on lets it: one bit each.
enum ReaderProtection : int {
    NoNewPrivileges = 1 << 0,  // nothing it runs may gain rights
    MemoryLimit = 1 << 1,      // the system refuses it memory past its limit
    TimeLimit = 1 << 2,        // the system ends it past its processor time
    OnlyItsFile = 1 << 3,      // it may open no file of the user's, only read the program's own
    NoNetwork = 1 << 4,        // it may open no connection
};

// What the reader tells the window about the file it read. The pixels are in the memory they
// share; an answer is checked before any of them is shown. A picture to be shown reduced first is
// told twice: first with the reduced copy's size (its pixels in a memory of their own), then
// with none, once the whole picture is written.
struct ReaderAnswer {
    PictureProblem problem = PictureProblem::Damaged;
    qint32 width = 0;
    qint32 height = 0;
    QImage::Format format = QImage::Format_Invalid;
    qint32 reducedWidth = 0;
    qint32 reducedHeight = 0;
    qint64 pixelBound = kMaxPicturePixels;
    bool onWhitePaper = false;
    int protections = 0;
    qint64 peakBytes = 0;  // the most memory the reader held, where the system tells it
    PaperFacts paper;
};

QByteArray encodeAnswer(const ReaderAnswer& answer);
// The first answer in `bytes`, taken off them once it is whole; empty while it is not. An answer
// of unknown values is none: `bytes` then hold a lie, and `lied` is set.
std::optional<ReaderAnswer> takeAnswer(QByteArray& bytes, bool& lied);
