#include "picture_reader_process.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "reader_answer.h"
#include "reader_channel.h"
#include "reader_limits.h"
#include "shared_pixels.h"

namespace {

constexpr int kMemoryWatchMilliseconds = 20;

ReadPicture refused(PictureProblem problem) { return {{}, problem}; }

}  // namespace

QString readerProgram() {
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/pokotamu-reader");
    if (QFileInfo(beside).isExecutable()) return beside;
    return QStringLiteral(POKOTAMU_READER_IN_BUILD);
}

PictureReaderProcess::PictureReaderProcess(QObject* parent) : QObject(parent) {
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
    if (reading_ || process_) return;
    channel_ = std::make_unique<ReaderChannel>();
    if (!channel_->isValid()) return;
    process_ = std::make_unique<QProcess>();
    process_->setStandardInputFile(QProcess::nullDevice());
    // What its decoders complain of reaches the terminal, as it would from this process.
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process_.get(), &QProcess::readyReadStandardOutput, this, [this] { takeAnswer(); });
    connect(process_.get(), &QProcess::finished, this, &PictureReaderProcess::readerEnded);
    QStringList commandLine = wrapper_;
    commandLine << readerProgram() << channel_->handTo(*process_);
    process_->start(commandLine.takeFirst(), commandLine);
}

void PictureReaderProcess::start(const QString& path) {
    stop();
    killedFor_ = PictureProblem::None;
    protections_ = 0;
    peakBytes_ = 0;
    answer_.clear();
    startNextReader();  // unless one is ready
    QFile file(path);
    pixels_ = std::make_unique<SharedPixels>(kMaxPicturePixels * 4);
    if (!file.open(QIODevice::ReadOnly)) return finish(refused(PictureProblem::Unopenable));
    if (!pixels_->isValid()) return finish(refused(PictureProblem::NeedsTooMuchMemory));
    // The reader holds its own copies of both from here on.
    if (!channel_ || !channel_->hand(file.handle(), pixels_->handle())) {
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

// The answer is taken as soon as it is whole: the reader has nothing left to do, and is ended
// rather than waited for while it tidies up.
bool PictureReaderProcess::takeAnswer() {
    answer_ += process_->readAllStandardOutput();
    const std::optional<ReaderAnswer> answer = reading_ ? decodeAnswer(answer_) : std::nullopt;
    if (!answer) return false;
    endReader();
    protections_ = answer->protections;
    peakBytes_ = answer->peakBytes;
    if (answer->problem != PictureProblem::None) {
        finish({{}, answer->problem, answer->pixelBound});
    } else if (QImage image = pixels_->picture(answer->width, answer->height, answer->format);
               image.isNull()) {
        finish(refused(PictureProblem::Damaged));
    } else {
        finish({std::move(image), PictureProblem::None, answer->pixelBound, answer->onWhitePaper});
    }
    return true;
}

void PictureReaderProcess::readerEnded() {
    // A reader waiting for a file that ends is started again when a file comes.
    if (!reading_) return endReader();
    memoryWatch_.stop();
    deadline_.stop();
    if (killedFor_ != PictureProblem::None) return finish(refused(killedFor_));
    // A reader that crashed or answered nonsense met a file its decoder could not take.
    if (!takeAnswer()) finish(refused(PictureProblem::Damaged));
}

void PictureReaderProcess::finish(ReadPicture result) {
    reading_ = false;
    endReader();
    pixels_.reset();  // what was read lives on in the picture's own mapping
    startNextReaderSoon();
    emit finished(result);
}
