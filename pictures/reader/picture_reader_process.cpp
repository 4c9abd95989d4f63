// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_reader_process.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include "reader_answer.h"
#include "reader_channel.h"
#include "reader_limits.h"
#include "shared_pixels.h"

namespace {

constexpr int kMemoryWatchMilliseconds = 20;

ReadPicture refused(PictureProblem problem) { return {{}, problem}; }

QStringList& everyReadersWrapper() {
    static QStringList commandLine;
    return commandLine;
}

// A reader started before any window, with its channel: the application's until taken.
struct ReaderAhead {
    QPointer<QProcess> process;
    std::unique_ptr<ReaderChannel> channel;
};

ReaderAhead& readerAhead() {
    static ReaderAhead ahead;
    return ahead;
}

// A reader to read through `channel`, started through `wrapper` where there is one.
void launchReader(QProcess& process, const ReaderChannel& channel, QStringList commandLine) {
    process.setStandardInputFile(QProcess::nullDevice());
    // What its decoders complain of reaches the terminal, as it would from this process.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    commandLine << readerProgram() << channel.handTo(process);
    process.start(commandLine.takeFirst(), commandLine);
}

}  // namespace

QString readerProgram() {
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/pokotamu-reader");
    if (QFileInfo(beside).isExecutable()) return beside;
    return QStringLiteral(POKOTAMU_READER_IN_BUILD);
}

void PictureReaderProcess::runEveryReaderThrough(const QStringList& commandLine) {
    everyReadersWrapper() = commandLine;
}

void PictureReaderProcess::startOneAhead() {
    ReaderAhead& ahead = readerAhead();
    if (ahead.process) return;
    ahead.channel = std::make_unique<ReaderChannel>();
    if (!ahead.channel->isValid()) return;
    ahead.process = new QProcess(QCoreApplication::instance());
    launchReader(*ahead.process, *ahead.channel, everyReadersWrapper());
}

PictureReaderProcess::PictureReaderProcess(QObject* parent)
    : QObject(parent), wrapper_(everyReadersWrapper()) {
    memoryWatch_.setInterval(kMemoryWatchMilliseconds);
    connect(&memoryWatch_, &QTimer::timeout, this, &PictureReaderProcess::watchMemory);
    deadline_.setSingleShot(true);
    deadline_.setInterval(kReaderSeconds * 1000);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        killedFor_ = PictureProblem::TakesTooLong;
        process_->kill();
    });
    startNextReader();
}

PictureReaderProcess::~PictureReaderProcess() {
    endReader();
    // Readers ended but not yet gone: killed already, they are waited for so that none is left.
    for (QProcess* ending : findChildren<QProcess*>()) ending->waitForFinished(-1);
}

void PictureReaderProcess::runThrough(const QStringList& commandLine) {
    wrapper_ = commandLine;
    endReader();
    startNextReader();
}

void PictureReaderProcess::startNextReader() {
    if (reading_ || process_ || !nextReady_) return;
    ReaderAhead& ahead = readerAhead();
    if (ahead.process && ahead.process->state() != QProcess::NotRunning &&
        wrapper_ == everyReadersWrapper()) {
        ahead.process->setParent(nullptr);
        process_.reset(ahead.process);
        channel_ = std::move(ahead.channel);
    } else {
        channel_ = std::make_unique<ReaderChannel>();
        if (!channel_->isValid()) return;
        process_ = std::make_unique<QProcess>();
        launchReader(*process_, *channel_, wrapper_);
    }
    connect(process_.get(), &QProcess::readyReadStandardOutput, this, [this] { takeAnswers(); });
    connect(process_.get(), &QProcess::finished, this, &PictureReaderProcess::readerEnded);
}

void PictureReaderProcess::start(const QString& path, const FirstView& view,
                                 const ReadRequest& request) {
    stop();
    killedFor_ = PictureProblem::None;
    protections_ = 0;
    peakBytes_ = 0;
    answer_.clear();
    startNextReader();  // unless one is ready
    QFile file(path);
    pixels_ = std::make_unique<SharedPixels>(kMaxPicturePixels * 4);
    // A reduced copy has at most a quarter of the pixels.
    firstPixels_ = std::make_unique<SharedPixels>(kMaxPicturePixels);
    if (!file.open(QIODevice::ReadOnly)) return finish(refused(PictureProblem::Unopenable));
    if (!pixels_->isValid() || !firstPixels_->isValid())
        return finish(refused(PictureProblem::NeedsTooMuchMemory));
    // The reader holds its own copies of all three from here on.
    if (!channel_ ||
        !channel_->hand(file.handle(), pixels_->handle(), firstPixels_->handle(), view, request)) {
        return finish(refused(PictureProblem::Damaged));  // it could not even start
    }
    reading_ = true;
    memoryWatch_.start();
    deadline_.start();
}

void PictureReaderProcess::stop() {
    if (!reading_) return;
    reading_ = false;
    endReader();
    pixels_.reset();
    firstPixels_.reset();
    toldFirst_ = {};
    startNextReaderSoon();
}

void PictureReaderProcess::startNextReaderSoon() {
    QMetaObject::invokeMethod(this, &PictureReaderProcess::startNextReader, Qt::QueuedConnection);
}

// Killed at once, and let go without waiting while the system takes it down: it is waited
// for, so that nothing is left of it, when it has gone.
void PictureReaderProcess::endReader() {
    memoryWatch_.stop();
    deadline_.stop();
    channel_.reset();
    if (!process_) return;
    process_->disconnect(this);
    if (process_->state() == QProcess::NotRunning) {
        process_.release()->deleteLater();  // this may be its own signal
        return;
    }
    process_->kill();
    QProcess* ending = process_.release();
    ending->setParent(this);
    connect(ending, &QProcess::finished, ending, &QObject::deleteLater);
}

void PictureReaderProcess::watchMemory() {
    if (residentBytesOf(process_->processId()) > kReaderMemoryBytes) {
        killedFor_ = PictureProblem::NeedsTooMuchMemory;
        process_->kill();
    }
}

// Each answer is taken as soon as it is whole. After the last the reader has nothing left to do,
// and is ended rather than waited for while it tidies up. False when no answer was whole.
bool PictureReaderProcess::takeAnswers() {
    answer_ += process_->readAllStandardOutput();
    while (reading_) {
        bool lied = false;
        const std::optional<ReaderAnswer> answer = takeAnswer(answer_, lied);
        if (lied) finish(refused(PictureProblem::Damaged));
        if (!answer) return lied;
        const bool reduced = answer->reducedWidth > 0;
        if (reduced && toldFirst_.isNull() && answer->problem == PictureProblem::None) {
            tellFirst(*answer);
            // The whole, even one that came with it, is told once whoever took the first has
            // gone on with it.
            if (reading_) {
                QMetaObject::invokeMethod(this, &PictureReaderProcess::takeWhole,
                                          Qt::QueuedConnection);
            }
            return true;
        }
        endReader();
        protections_ = answer->protections;
        peakBytes_ = answer->peakBytes;
        if (answer->problem != PictureProblem::None) {
            finish({{}, answer->problem, answer->pixelBound});
            return true;
        }
        // The whole picture is the one told first, now written: the same pixels, the same size.
        QImage image = toldFirst_.isNull()
                           ? pixels_->picture(answer->width, answer->height, answer->format)
                           : toldFirst_;
        if (reduced || image.isNull() || image.width() != answer->width ||
            image.height() != answer->height || image.format() != answer->format) {
            finish(refused(PictureProblem::Damaged));
        } else {
            if (!toldFirst_.isNull()) mapWritten(image);
            finish({std::move(image),
                    PictureProblem::None,
                    answer->pixelBound,
                    answer->onWhitePaper,
                    {},
                    answer->paper});
        }
        return true;
    }
    return true;
}

void PictureReaderProcess::takeWhole() {
    if (!reading_ || !process_) return;
    const bool ended = process_->state() == QProcess::NotRunning;
    if (!takeAnswers() && ended) readerEnded();
}

void PictureReaderProcess::tellFirst(const ReaderAnswer& answer) {
    toldFirst_ = pixels_->picture(answer.width, answer.height, answer.format, false);
    const QImage reduced =
        firstPixels_->picture(answer.reducedWidth, answer.reducedHeight, answer.format);
    if (toldFirst_.isNull() || reduced.isNull()) {
        toldFirst_ = {};
        return finish(refused(PictureProblem::Damaged));
    }
    ReadPicture first{toldFirst_, PictureProblem::None, answer.pixelBound, answer.onWhitePaper,
                      reduced,    answer.paper};
    emit firstRead(first);
}

void PictureReaderProcess::readerEnded() {
    // A reader waiting for a file that ends is started again when a file comes.
    if (!reading_) return endReader();
    memoryWatch_.stop();
    deadline_.stop();
    if (killedFor_ != PictureProblem::None) return finish(refused(killedFor_));
    // A reader that crashed or answered nonsense met a file its decoder could not take.
    if (!takeAnswers()) finish(refused(PictureProblem::Damaged));
}

void PictureReaderProcess::finish(ReadPicture result) {
    reading_ = false;
    endReader();
    pixels_.reset();  // what was read lives on in the picture's own mapping
    firstPixels_.reset();
    toldFirst_ = {};
    startNextReaderSoon();
    emit finished(result);
}
