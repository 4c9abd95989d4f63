// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "picture_reader_process.h"
#include "reader_answer.h"

// For as long as it lives, every reader made runs through a shell that passes on the reader's
// first answer (the reduced copy) alone, then does `rest` with what follows: nothing (the reader
// dies as it tells the whole), or "sleep 6; cat" (the whole comes six seconds late).
class FirstAnswerThen {
public:
    explicit FirstAnswerThen(const QString& rest) {
        const QString first = QStringLiteral("dd bs=%1 count=1").arg(encodeAnswer({}).size());
        const QString after =
            rest.isEmpty() ? first : QStringLiteral("{ %1; %2; }").arg(first, rest);
        PictureReaderProcess::runEveryReaderThrough(
            {"/bin/sh", "-c", QStringLiteral("\"$@\" | %1 2>/dev/null").arg(after), "sh"});
    }
    ~FirstAnswerThen() { PictureReaderProcess::runEveryReaderThrough({}); }
    FirstAnswerThen(const FirstAnswerThen&) = delete;
    FirstAnswerThen& operator=(const FirstAnswerThen&) = delete;
};
