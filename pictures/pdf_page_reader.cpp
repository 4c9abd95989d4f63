// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_page_reader.h"

#include <QIODevice>
#include <QPdfDocument>
#include <QPdfDocumentRenderOptions>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPointsPerInch = 72;

// The rendering's pixels a point: 200 dpi, or less where the bound needs it.
double pixelsPerPoint(QSizeF page) {
    const double wanted = kPdfDotsPerInch / kPointsPerInch;
    const double byArea = std::sqrt(double(kMaxPicturePixels) / (page.width() * page.height()));
    const double bySide = kMaxPictureSide / std::max(page.width(), page.height());
    return std::min({wanted, byArea, bySide});
}

// A part of the page drawn again for a zoomed view: within the bounds of any picture, of a
// page whose pixels a float still places to a hundredth of one.
constexpr int kLargestDetailSide = 1 << 20;

bool isDetailInBounds(QSize whole, const QRect& part) {
    return whole.width() >= 2 && whole.height() >= 2 && whole.width() <= kLargestDetailSide &&
           whole.height() <= kLargestDetailSide && part.width() >= 2 && part.height() >= 2 &&
           QRect(QPoint(), whole).contains(part) && fitsPictureBounds(part.width(), part.height());
}

// Qt 6.4 draws a clipped part at (w - 1) / w of the scale its size asks across, (h - 1) / h
// down (w and h: the part's), its corner where asked: asked that much larger, the part comes
// out at the scale of `whole`.
QImage renderedPart(QPdfDocument& document, int page, QSize whole, const QRect& part) {
    const auto larger = [](int side, int partSide) {
        return int(std::lround(double(side) * partSide / (partSide - 1)));
    };
    QPdfDocumentRenderOptions options;
    options.setScaledSize(
        {larger(whole.width(), part.width()), larger(whole.height(), part.height())});
    options.setScaledClipRect(part);
    return document.render(page, part.size(), options);
}

}  // namespace

bool looksLikePdf(QIODevice& file) { return file.peek(5) == "%PDF-"; }

ReadPicture readPdfPage(QIODevice& file, const ReadRequest& request, const PixelMemory& into) {
    QPdfDocument document;
    file.seek(0);
    document.load(&file);  // a file at hand loads at once
    const QPdfDocument::Error error = document.error();
    if (error == QPdfDocument::Error::IncorrectPassword) {
        return {{}, PictureProblem::PasswordProtected};
    }
    const int pages = std::min(document.pageCount(), kMostPdfPages);
    if (error != QPdfDocument::Error::None || pages < 1) return {{}, PictureProblem::Damaged};
    if (request.page < 0 || request.page >= pages) return {{}, PictureProblem::NoSuchPage};
    const QSizeF page = document.pagePointSize(request.page);
    if (!(page.width() > 0 && page.height() > 0)) return {{}, PictureProblem::Damaged};
    if (!request.detailPart.isNull()) {
        if (!isDetailInBounds(request.detailWhole, request.detailPart))
            return {{}, PictureProblem::TooLarge};
        if (into.aboutToWrite)
            into.aboutToWrite(qint64(request.detailPart.width()) * request.detailPart.height() * 4);
        QImage part = renderedPart(document, request.page, request.detailWhole, request.detailPart);
        if (part.isNull()) return {{}, PictureProblem::Damaged};
        return {std::move(part).convertToFormat(QImage::Format_ARGB32_Premultiplied),
                PictureProblem::None, kMaxPicturePixels, true};
    }
    const double scale = request.fitSide > 0
                             ? std::min(pixelsPerPoint(page),
                                        request.fitSide / std::max(page.width(), page.height()))
                             : pixelsPerPoint(page);
    const QSize pixels(std::max(1, int(std::floor(page.width() * scale))),
                       std::max(1, int(std::floor(page.height() * scale))));
    if (into.aboutToWrite) into.aboutToWrite(qint64(pixels.width()) * pixels.height() * 4);
    QImage rendered = document.render(request.page, pixels);
    if (rendered.isNull()) return {{}, PictureProblem::Damaged};
    PaperFacts paper{
        QSizeF(pixels.width() / page.width(), pixels.height() / page.height()) * kPointsPerInch,
        true, pages, request.page, page};
    // PDFium leaves the paper transparent: the page is shown on white paper as it is painted,
    // which spares a pass over every pixel here.
    return {std::move(rendered).convertToFormat(QImage::Format_ARGB32_Premultiplied),
            PictureProblem::None,
            kMaxPicturePixels,
            true,
            {},
            paper};
}
