// SPDX-License-Identifier: GPL-3.0-or-later
#include "svg_reader.h"

#include <QBuffer>
#include <QIODevice>
#include <QImageReader>

#include "svg_own_parts.h"

namespace {

// Far beyond any drawing a person makes, far below what would keep the renderer busy for long.
constexpr double kMostDrawnElements = 1e6;
constexpr qint64 kMostSvgBytes = 64LL * 1024 * 1024;
// Qt's renderer draws into a picture of four bytes a pixel.
constexpr int kMostRenderedMegabytes = int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1;

}  // namespace

bool isSvgFormat(const QByteArray& format) { return format == "svg"; }

ReadPicture readSvg(QIODevice& file) {
    if (file.size() > kMostSvgBytes) return {{}, PictureProblem::TooComplex};
    file.seek(0);
    const OwnDrawing own = ownDrawing(file.readAll(), kMostDrawnElements);
    if (!own.drawnElements) return {{}, PictureProblem::Damaged};
    if (*own.drawnElements > kMostDrawnElements) return {{}, PictureProblem::TooComplex};

    QBuffer buffer;
    buffer.setData(own.svg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return {{}, PictureProblem::Damaged};
    if (!fitsPictureBounds(size.width(), size.height())) return {{}, PictureProblem::TooLarge};
    reader.setAllocationLimit(kMostRenderedMegabytes);
    QImage image;
    if (!reader.read(&image) || image.isNull()) return {{}, PictureProblem::Damaged};
    return {std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied),
            PictureProblem::None};
}
