#include "picture_reader_process.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "reader_answer.h"
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
    // What its decoders complain of reaches the terminal, as it would from this process.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&process_, &QProcess::readyReadStandardOutput, this, [this] { takeAnswer(); });
    connect(&process_, &QProcess::finished, this, &PictureReaderProcess::readerEnded);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) finish(refused(PictureProblem::Unopenable));
    });
    memoryWatch_.setInterval(kMemoryWatchMilliseconds);
    connect(&memoryWatch_, &QTimer::timeout, this, &PictureReaderProcess::watchMemory);
    deadline_.setSingleShot(true);
    deadline_.setInterval(kReaderSeconds * 1000);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        killedFor_ = PictureProblem::TakesTooLong;
        process_.kill();
    });
}

PictureReaderProcess::~PictureReaderProcess() { stop(); }

void PictureReaderProcess::start(const QString& path) {
    stop();
    killedFor_ = PictureProblem::None;
    protections_ = 0;
    peakBytes_ = 0;
    answer_.clear();
    pixels_ = std::make_unique<SharedPixels>(kMaxPicturePixels * 4);
    if (!pixels_->isValid()) {
        finish(refused(PictureProblem::NeedsTooMuchMemory));
        return;
    }
    process_.setStandardInputFile(path);
    QStringList commandLine = wrapper_;
    commandLine << readerProgram() << pixels_->handTo(process_);
    process_.start(commandLine.takeFirst(), commandLine);
    memoryWatch_.start();
    deadline_.start();
}

void PictureReaderProcess::stop() {
    endReader();
    pixels_.reset();
}

void PictureReaderProcess::endReader() {
    memoryWatch_.stop();
    deadline_.stop();
    if (process_.state() != QProcess::NotRunning) {
        const QSignalBlocker quiet(process_);
        process_.kill();
        process_.waitForFinished(-1);  // a killed process ends at once; no zombie is left
    }
}

void PictureReaderProcess::watchMemory() {
    if (residentBytesOf(process_.processId()) > kReaderMemoryBytes) {
        killedFor_ = PictureProblem::NeedsTooMuchMemory;
        process_.kill();
    }
}

// The answer is taken as soon as it is whole: the reader has nothing left to do, and is ended
// rather than waited for while it tidies up.
bool PictureReaderProcess::takeAnswer() {
    answer_ += process_.readAllStandardOutput();
    const std::optional<ReaderAnswer> answer = decodeAnswer(answer_);
    if (!answer) return false;
    endReader();
    protections_ = answer->protections;
    peakBytes_ = answer->peakBytes;
    if (answer->problem != PictureProblem::None) {
        finish({{}, answer->problem, answer->pixelBound});
        return true;
    }
    QImage image = pixels_->picture(answer->width, answer->height, answer->format);
    if (image.isNull()) {
        finish(refused(PictureProblem::Damaged));
        return true;
    }
    finish({std::move(image), PictureProblem::None, answer->pixelBound, answer->onWhitePaper});
    return true;
}

void PictureReaderProcess::readerEnded() {
    memoryWatch_.stop();
    deadline_.stop();
    if (killedFor_ != PictureProblem::None) return finish(refused(killedFor_));
    // A reader that crashed or answered nonsense met a file its decoder could not take.
    if (!takeAnswer()) finish(refused(PictureProblem::Damaged));
}

void PictureReaderProcess::finish(ReadPicture result) {
    pixels_.reset();  // what was read lives on in the picture's own mapping
    emit finished(result);
}
