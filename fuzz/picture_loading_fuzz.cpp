// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a picture file: loading never crashes, never touches memory it should not,
// and stays within the memory bound (-rss_limit_mb) and the time limit (-timeout). A PDF is left
// out: PDFium can be kept busy without end, which only ending the reader process stops (its
// tests show that), and a hang found here would say nothing new.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <libheif/heif.h>

#include "file_structure.h"
#include "picture_file_reader.h"

namespace {

const QString& scratchFile() {
    // In memory where the system offers it: one file, rewritten for every input.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/pokotamu-fuzz-XXXXXX")
                                 : QDir::temp().filePath(QStringLiteral("pokotamu-fuzz-XXXXXX")));
    static const QString path = dir.filePath(QStringLiteral("input"));
    return path;
}

// The pixels a HEIF file's primary picture declares, or 0.
qint64 heifPixels(const QString& path) {
    heif_context* context = heif_context_alloc();
    qint64 pixels = 0;
    heif_image_handle* handle = nullptr;
    if (heif_context_read_from_file(context, QFile::encodeName(path).constData(), nullptr).code ==
            heif_error_Ok &&
        heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok) {
        pixels = qint64(heif_image_handle_get_width(handle)) * heif_image_handle_get_height(handle);
        heif_image_handle_release(handle);
    }
    heif_context_free(context);
    return pixels;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // As in the reader: the image plugins are found through it, and drawings' text needs fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // The decoders' complaints about every broken input would only slow the fuzzing down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile file(scratchFile());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();

    // Pictures within the bound but larger than 16 megapixels are the tests' business: here
    // they would only be slow, as any large picture is.
    if (QImageReader probe(file.fileName());
        probe.size().isValid() &&
        qint64(probe.size().width()) * probe.size().height() > 16'000'000) {
        return 0;
    }
    if (size >= 5 && std::memcmp(data, "%PDF-", 5) == 0) return 0;
    if (heifPixels(file.fileName()) > 16'000'000) return 0;
    if (size >= 3 && std::memcmp(data, "GIF", 3) == 0) {
        file.seek(0);
        const QSize canvas = gifCanvasSize(file);  // what the decoder will paint on
        if (qint64(canvas.width()) * canvas.height() > 16'000'000) return 0;
    }
    // Decoded where the reader decodes: into memory handed to it, as far as the decoder can.
    static std::vector<uchar> memory(16'000'000 * 4);
    const ReadPicture loaded = readPicture(file, {memory.data(), qint64(memory.size()), {}});
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
