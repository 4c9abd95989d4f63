// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <memory>

#include "picture_file_reader.h"

class ReaderChannel;
struct ReaderAnswer;
class SharedPixels;

// Reads picture files, one at a time, each in a reader process of this program's own: it is
// handed the file already open, decodes it into memory shared with the window and answers with
// what it read. A picture that opens in a view needing fewer of its pixels is told first as a
// reduced copy, with the picture whose pixels are still being written. A reading is ended at once
// by stop(), by this object's end, or when it passes its memory or time limit; a reader that ends
// without an answer is reported with the reason it ended for. The next reader is started as soon as
// the last is done, so that it has set itself up by the time a file is chosen.
class PictureReaderProcess : public QObject {
    Q_OBJECT

public:
    explicit PictureReaderProcess(QObject* parent = nullptr);
    ~PictureReaderProcess() override;

    // A shorter time limit than any picture needs, for a test that waits for it.
    void setTimeLimit(int milliseconds) { deadline_.setInterval(milliseconds); }
    // Runs the readers through another program, a tracer for instance: its command line first.
    void runThrough(const QStringList& commandLine);
    // The same for every reader made from now on, the window's too (for tests).
    static void runEveryReaderThrough(const QStringList& commandLine);
    // Starts a reader before the window is made, for a picture named on the command line: the
    // next PictureReaderProcess made takes it, set up by then.
    static void startOneAhead();

    // Starts reading; `finished` follows once, here or later, unless stop() comes first. Before
    // it, `firstRead` may tell the picture to show meanwhile, for `view`.
    void start(const QString& path, const FirstView& view = {}, const ReadRequest& request = {});
    // Whether a file is being read; whether the picture told first is still being written.
    bool reading() const { return reading_; }
    bool writing() const { return !toldFirst_.isNull(); }
    // This reading is the last: no reader is kept ready after it.
    void readNoMore() { nextReady_ = false; }
    // Ends the reading at once; nothing is reported.
    void stop();

    // What the last reader could be protected by (ReaderProtection bits), for a test to tell.
    int protections() const { return protections_; }
    // The most memory the last reader held, as it told; 0 if it could not.
    qint64 peakBytes() const { return peakBytes_; }

signals:
    void firstRead(const ReadPicture& picture);
    void finished(const ReadPicture& result);

private:
    void startNextReader();
    void startNextReaderSoon();
    void endReader();
    bool takeAnswers();
    void takeWhole();
    void tellFirst(const ReaderAnswer& answer);
    void readerEnded();
    void watchMemory();
    void finish(ReadPicture result);

    std::unique_ptr<QProcess> process_;  // the reader now reading, or ready to
    std::unique_ptr<ReaderChannel> channel_;
    QTimer memoryWatch_;
    QTimer deadline_;
    std::unique_ptr<SharedPixels> pixels_;
    std::unique_ptr<SharedPixels> firstPixels_;
    QImage toldFirst_;  // the picture told first, until it is written
    QStringList wrapper_;
    QByteArray answer_;
    bool reading_ = false;
    bool nextReady_ = true;
    PictureProblem killedFor_ = PictureProblem::None;
    int protections_ = 0;
    qint64 peakBytes_ = 0;
};

// Where the reader program is: beside this program, or where the build put it.
QString readerProgram();
