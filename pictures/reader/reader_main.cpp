// SPDX-License-Identifier: GPL-3.0-or-later
// The reader: started ahead of time, it sets itself up and shuts itself in, then waits to be
// handed an open picture file and memory shared with the window. It reads the file into that
// memory and answers on its standard output; a picture the window shows reduced first is told
// twice, the reduced copy as soon as it is made. Whatever the file makes a decoder do stays
// within its bounds.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <thread>

#include "picture_formats.h"
#include "quiet_session.h"
#include "reader_answer.h"
#include "reader_channel.h"
#include "reader_limits.h"
#include "shared_pixels.h"

namespace {

// The picture in the shared memory: where the decoder wrote it, or copied there line by line.
bool placed(const QImage& image, const PixelMemory& memory) {
    const qsizetype line = qsizetype(image.width()) * 4;
    if (qint64(line) * image.height() > memory.size) return false;
    if (image.constBits() == memory.data && image.bytesPerLine() == line) return true;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(memory.data + y * line, image.constScanLine(y), size_t(line));
    return true;
}

// Sent at once: the window takes each answer as soon as it is whole.
bool send(const ReaderAnswer& answer) {
    const QByteArray bytes = encodeAnswer(answer);
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) ==
               size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawings' text needs the fonts of a graphical application, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietSession quiet;
    QGuiApplication app(argc, argv);
    quiet.applicationStarted();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) return 2;

    // Set up and shut in before the window has even chosen the file.
    ReaderAnswer answer;
    ownPeakBytes();
    answer.protections = shutReaderIn(kReaderHardMemoryBytes, kReaderSeconds * 2);
    loadPictureDecoders();
    const HandedOver handed = waitToBeHanded(arguments[1]);
    const PixelMemory memory = mapHandedPixels(handed.pixels);
    const PixelMemory firstMemory = mapHandedPixels(handed.firstPixels);
    QFile file;
    if (!memory.data || !firstMemory.data ||
        !file.open(handed.file, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        return 2;
    }
    // Where the decoder writes straight into the memory, it is made ready beside the decoding.
    std::thread preparing;
    PixelMemory into = memory;
    into.aboutToWrite = [&](qint64 bytes) {
        if (!preparing.joinable()) preparing = std::thread(prepareForWriting, memory, bytes);
    };
    // A reduced copy to show first goes to a memory of its own, made ready beside the decoding,
    // and is told at once.
    std::thread preparingFirst;
    bool firstSent = true;
    FirstPicture first{handed.view};
    first.reduceInto = firstMemory.data;
    first.reduceIntoBytes = firstMemory.size;
    first.aboutToReduce = [&](qint64 bytes) {
        if (!preparingFirst.joinable())
            preparingFirst = std::thread(prepareForWriting, firstMemory, bytes);
    };
    first.ready = [&](const QImage& reduced, QSize size, QImage::Format format,
                      QSizeF dotsPerInch) {
        ReaderAnswer told = answer;
        told.paper.dotsPerInch = dotsPerInch;
        told.problem = PictureProblem::None;
        told.width = size.width();
        told.height = size.height();
        told.format = format;
        told.reducedWidth = reduced.width();
        told.reducedHeight = reduced.height();
        if (preparingFirst.joinable()) preparingFirst.join();
        firstSent = placed(reduced, firstMemory) && send(told);
        giveWayToTheWindow();  // the window paints the copy while the whole is finished here
    };
    ReadPicture read = readPicture(file, into, first, handed.request);
    if (preparing.joinable()) preparing.join();
    if (preparingFirst.joinable()) preparingFirst.join();
    if (!firstSent) return 2;
    answer.peakBytes = ownPeakBytes();
    // A decoder refused memory at the limit fails as if the file were damaged.
    const bool refusedMemory =
        read.problem == PictureProblem::Damaged && answer.peakBytes > kReaderMemoryBytes;
    answer.problem = refusedMemory ? PictureProblem::NeedsTooMuchMemory : read.problem;
    answer.pixelBound = read.pixelBound;
    if (read.problem == PictureProblem::None) {
        if (!placed(read.image, memory)) return 2;
        answer.width = read.image.width();
        answer.height = read.image.height();
        answer.format = read.image.format();
        answer.onWhitePaper = read.onWhitePaper;
        answer.paper = read.paper;
    }
    return send(answer) ? 0 : 2;
}
