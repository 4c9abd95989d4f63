// Any bytes as a picture file: loading never crashes, never touches memory it should not,
// and stays within the memory bound (-rss_limit_mb) and the time limit (-timeout).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "picture_loader.h"

namespace {

const QString& scratchFile() {
    // In memory where the system offers it: one file, rewritten for every input.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/pokotamu-fuzz-XXXXXX")
                                 : QDir::temp().filePath(QStringLiteral("pokotamu-fuzz-XXXXXX")));
    static const QString path = dir.filePath(QStringLiteral("input"));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);  // the image plugins are found through it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile file(scratchFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    const LoadedPicture loaded = loadPicture(file.fileName());
    if (loaded.problem == PictureProblem::None) {
        // What is shown is within the bounds and ready to paint.
        const QImage& image = loaded.image;
        if (image.isNull() || !fitsPictureBounds(image.width(), image.height()) ||
            (image.format() != QImage::Format_RGB32 &&
             image.format() != QImage::Format_ARGB32_Premultiplied)) {
            std::abort();
        }
    } else if (!loaded.image.isNull()) {
        std::abort();  // a refused file shows nothing
    }
    return 0;
}
