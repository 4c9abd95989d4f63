// The reader: reads the picture file it was handed as its standard input into the memory the
// window shared with it, and answers on its standard output. It shuts itself in before it reads
// a byte of the file, so that whatever the file makes a decoder do stays within its bounds.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <thread>

#include "reader_answer.h"
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

}  // namespace

int main(int argc, char* argv[]) {
    // Drawings' text needs the fonts of a graphical application, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const PixelMemory memory =
        arguments.size() == 2 ? mapHandedPixels(arguments[1]) : PixelMemory{};
    if (!memory.data) return 2;

    ReaderAnswer answer;
    ownPeakBytes();
    answer.protections = shutReaderIn(kReaderMemoryBytes, kReaderSeconds * 2);
    QFile file;
    if (!file.open(stdin, QIODevice::ReadOnly)) return 2;
    // Where the decoder writes straight into the memory, it is made ready beside the decoding.
    std::thread preparing;
    PixelMemory into = memory;
    into.aboutToWrite = [&](qint64 bytes) {
        preparing = std::thread(prepareForWriting, memory, bytes);
    };
    ReadPicture read = readPicture(file, into);
    if (preparing.joinable()) preparing.join();
    answer.problem = read.problem;
    answer.pixelBound = read.pixelBound;
    if (read.problem == PictureProblem::None) {
        if (!placed(read.image, memory)) return 2;
        answer.width = read.image.width();
        answer.height = read.image.height();
        answer.format = read.image.format();
        answer.onWhitePaper = read.onWhitePaper;
    }
    answer.peakBytes = ownPeakBytes();
    const QByteArray bytes = encodeAnswer(answer);
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
               ? 0
               : 2;
}
