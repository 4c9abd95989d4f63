// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_file_reader.h"

#include <QImageReader>
#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>

#include "deep_png_transparency.h"
#include "file_structure.h"
#include "gapped_file.h"
#include "heif_reader.h"
#include "pdf_page_reader.h"
#include "picture_formats.h"
#include "stated_resolution.h"
#include "svg_reader.h"

namespace {

// The format the decoder says it decodes into. Some decoders answer from a field that a
// damaged header never set, so an answer out of range counts as none.
QImage::Format announcedFormat(const QImageReader& reader) {
    const QImage::Format answer = reader.imageFormat();
    std::underlying_type_t<QImage::Format> raw;
    std::memcpy(&raw, &answer, sizeof raw);  // read as a number: it may be no format at all
    if (raw <= QImage::Format_Invalid || raw >= QImage::NImageFormats)
        return QImage::Format_Invalid;
    return static_cast<QImage::Format>(raw);
}

// What Qt's allocation limit counts a pixel of the format at: never less than four bytes,
// whatever the format. Decoders may also expand a narrow format (bilevel, grey, palette) into a
// wider one, so no less than eight bytes are allowed for, the most any format but floating
// point takes.
qint64 bytesAllowedPerPixel(QImage::Format format) {
    const qint64 bytes =
        format == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(format).bitsPerPixel() / 8;
    return std::max<qint64>(8, bytes);
}

// Floating-point pictures take sixteen bytes a pixel while they decode: half as many fit.
qint64 pixelBoundFor(QImage::Format format) {
    return bytesAllowedPerPixel(format) > 8 ? kMaxPicturePixels / 2 : kMaxPicturePixels;
}

bool fits(QSize size, qint64 pixelBound) {
    return fitsPictureBounds(size.width(), size.height()) &&
           qint64(size.width()) * size.height() <= pixelBound;
}

// The decoder's own allocation limit, in megabytes: a backstop for decoders whose header tells
// no size, set so that it never refuses a picture within the bound.
int allocationLimitMegabytes(QImage::Format format) {
    const qint64 bytes = pixelBoundFor(format) * bytesAllowedPerPixel(format);
    return int(bytes / (1024 * 1024)) + 1;
}

qint64 bytesOf(QSize size) { return qint64(size.width()) * size.height() * 4; }

QImage::Format displayFormat(const QImage& image) {
    return image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

// Painting copies these two formats straight; converting once here spares every repaint. Where
// the converted picture fits `into`, it is converted there a band of lines at a time, so that
// no second whole picture is ever held beside the decoded one.
QImage displayReady(QImage image, const PixelMemory& into) {
    const QImage::Format format = displayFormat(image);
    if (image.format() == format) return image;
    const qsizetype line = qsizetype(image.width()) * 4;
    if (!into.data || qint64(line) * image.height() > into.size) {
        return std::move(image).convertToFormat(format);
    }
    if (into.aboutToWrite) into.aboutToWrite(qint64(line) * image.height());
    QImage converted(into.data, image.width(), image.height(), line, format);
    constexpr int kBandLines = 64;
    for (int top = 0; top < image.height(); top += kBandLines) {
        const int lines = std::min(kBandLines, image.height() - top);
        const QImage band = image.copy(0, top, image.width(), lines).convertToFormat(format);
        for (int y = 0; y < lines; ++y) {
            std::memcpy(converted.scanLine(top + y), band.constScanLine(y), size_t(line));
        }
    }
    return converted;
}

ReadPicture refused(PictureProblem problem, qint64 pixelBound = kMaxPicturePixels) {
    return {{}, problem, pixelBound};
}

// The size the picture shows at: the stored size, turned by the orientation tag.
QSize uprightSize(const QImageReader& reader, QSize stored) {
    return reader.transformation() & QImageIOHandler::TransformationRotate90 ? stored.transposed()
                                                                             : stored;
}

// libjpeg decodes at a half, a quarter or an eighth of the size directly, several times faster
// than the whole: asked for a size it reaches by such a step, Qt lets it. Its decoder writes into
// a picture of the size and format it decodes to: one laid in `first`'s memory.
QImage decodedReduced(QIODevice& file, const QByteArray& format, QSize stored, int halvings,
                      const FirstPicture& first) {
    const int divisor = 1 << std::min(halvings, 3);
    QImageReader reader(&file, format);
    reader.setAutoTransform(true);
    const QSize scaled(std::max(1, stored.width() / divisor),
                       std::max(1, stored.height() / divisor));
    reader.setScaledSize(scaled);
    QImage reduced;
    if (first.reduceInto && bytesOf(scaled) <= first.reduceIntoBytes) {
        reduced = QImage(first.reduceInto, scaled.width(), scaled.height(), scaled.width() * 4,
                         QImage::Format_RGB32);
    }
    if (!reader.read(&reduced) || reduced.isNull()) return {};
    return reduced.convertToFormat(displayFormat(reduced));
}

// A picture of the size and format the decoder announces, laid in `into` when the decoder's own
// format is already one that paints, so that it decodes straight there; null otherwise.
QImage laidIn(const PixelMemory& into, QSize size, QImage::Format announced) {
    if (announced != QImage::Format_RGB32 && announced != QImage::Format_ARGB32_Premultiplied)
        return {};
    if (!into.data || !size.isValid() || qint64(size.width()) * size.height() * 4 > into.size)
        return {};
    if (into.aboutToWrite) into.aboutToWrite(qint64(size.width()) * size.height() * 4);
    return QImage(into.data, size.width(), size.height(), qsizetype(size.width()) * 4, announced);
}

}  // namespace

ReadPicture readPicture(QFile& opened, const PixelMemory& into, const FirstPicture& first,
                        const ReadRequest& request) {
    GappedFile file(opened);
    if (!file.open(QIODevice::ReadOnly)) return refused(PictureProblem::Unopenable);
    if (file.size() == 0) return refused(PictureProblem::Empty);

    if (looksLikePdf(file)) return readPdfPage(file, request, into);
    if (looksLikeHeif(file)) return readHeif(file);
    QByteArray format;
    if (QImageReader probe(&file); probe.canRead()) format = probe.format();
    if (format.isEmpty() || isRefusedFormat(format)) return refused(PictureProblem::NotAPicture);
    if (isSvgFormat(format)) return readSvg(file);
    if (const PictureProblem problem = checkStructure(file, format);
        problem != PictureProblem::None) {
        return refused(problem);
    }
    const std::optional<DeepColourKey> key =
        format == "png" ? findDeepColourKey(file) : std::nullopt;
    PaperFacts paper;
    paper.dotsPerInch = statedResolution(file, format).value_or(QSizeF());
    if (key) file.leaveOut(key->chunkAt, key->chunkLength);
    file.seek(0);

    std::optional<std::pair<QSize, QImage::Format>> told;
    const auto tell = [&](const QImage& reduced, QSize upright) {
        if (reduced.isNull()) return;
        told.emplace(upright, reduced.format());
        first.ready(reduced, upright, reduced.format(), paper.dotsPerInch);
    };
    // A JPEG's reduced copy is decoded on its own, before the whole: each decoding starts at
    // the file's start.
    if (first.ready && format == "jpeg") {
        QImageReader probe(&file, format);
        probe.setAutoTransform(true);
        const QSize stored = probe.size();
        const QSize upright = uprightSize(probe, stored);
        const bool inBounds =
            stored.isValid() && fits(stored, pixelBoundFor(announcedFormat(probe)));
        if (const int halvings = inBounds ? firstHalvings(upright, first.view) : 0; halvings > 0) {
            if (first.aboutToReduce) first.aboutToReduce(bytesOf(halvedSize(upright, halvings)));
            file.seek(0);
            tell(decodedReduced(file, format, stored, halvings, first), upright);
        }
        file.seek(0);
    }

    QImageReader reader(&file, format);
    reader.setAutoTransform(true);
    const QImage::Format announced = announcedFormat(reader);
    const qint64 pixelBound = pixelBoundFor(announced);
    const QSize size = reader.size();
    if (size.isValid() && !fits(size, pixelBound)) {
        return refused(PictureProblem::TooLarge, pixelBound);
    }
    reader.setAllocationLimit(allocationLimitMegabytes(announced));
    // Any other picture is reduced from its decoded pixels, as its header's size asks.
    const QSize upright = uprightSize(reader, size);
    const int halvings =
        first.ready && !told && size.isValid() ? firstHalvings(upright, first.view) : 0;
    if (halvings > 0 && first.aboutToReduce)
        first.aboutToReduce(bytesOf(halvedSize(upright, halvings)));

    QImage image = laidIn(into, size, announced);
    if (!reader.read(&image) || image.isNull()) return refused(PictureProblem::Damaged);
    if (!fits(image.size(), pixelBound)) return refused(PictureProblem::TooLarge, pixelBound);
    if (key) image = withColourKey(std::move(image), *key);
    if (halvings > 0) tell(reducedInOnePass(image, halvings), image.size());
    image = displayReady(std::move(image), into);
    // What was told first is what is shown: a picture that turns out otherwise is damaged.
    if (told && (image.size() != told->first || image.format() != told->second))
        return refused(PictureProblem::Damaged);
    return {std::move(image), PictureProblem::None, pixelBound, false, {}, paper};
}

ReadPicture readPictureFile(const QString& path) {
    QFile file(path);
    if (const PictureProblem problem = openPictureFile(file); problem != PictureProblem::None)
        return refused(problem);
    return readPicture(file);
}
