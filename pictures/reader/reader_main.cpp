// The reader: started ahead of time, it sets itself up and shuts itself in, then waits to be
// handed an open picture file and memory shared with the window. It reads the file into that
// memory and answers on its standard output. Whatever the file makes a decoder do stays within
// its bounds.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <thread>

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
    const HandedOver handed = waitToBeHanded(arguments[1]);
    const PixelMemory memory = mapHandedPixels(handed.pixels);
    QFile file;
    if (!memory.data || !file.open(handed.file, QIODevice::ReadOnly, QFile::AutoCloseHandle))
        return 2;
    // Where the decoder writes straight into the memory, it is made ready beside the decoding.
    std::thread preparing;
    PixelMemory into = memory;
    into.aboutToWrite = [&](qint64 bytes) {
        if (!preparing.joinable()) preparing = std::thread(prepareForWriting, memory, bytes);
    };
    ReadPicture read = readPicture(file, into);
    if (preparing.joinable()) preparing.join();
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
    }
    // Sent at once: the window ends the reader as soon as it has the answer.
    const QByteArray bytes = encodeAnswer(answer);
    const bool sent =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    return sent && std::fflush(stdout) == 0 ? 0 : 2;
}
