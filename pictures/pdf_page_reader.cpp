// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_page_reader.h"

#include <QIODevice>
#include <QPdfDocument>
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

}  // namespace

bool looksLikePdf(QIODevice& file) { return file.peek(5) == "%PDF-"; }

ReadPicture readPdfPage(QIODevice& file, const ReadRequest& request) {
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
    const double scale =
        request.fitSide > 0 ? std::min(pixelsPerPoint(page),
                                       request.fitSide / std::max(page.width(), page.height()))
                            : pixelsPerPoint(page);
    const QSize pixels(std::max(1, int(std::floor(page.width() * scale))),
                       std::max(1, int(std::floor(page.height() * scale))));
    QImage rendered = document.render(request.page, pixels);
    if (rendered.isNull()) return {{}, PictureProblem::Damaged};
    PaperFacts paper{QSizeF(pixels.width() / page.width(), pixels.height() / page.height()) *
                         kPointsPerInch,
                     true, pages, request.page, page};
    // PDFium leaves the paper transparent: the page is shown on white paper as it is painted,
    // which spares a pass over every pixel here.
    return {std::move(rendered).convertToFormat(QImage::Format_ARGB32_Premultiplied),
            PictureProblem::None, kMaxPicturePixels, true, {}, paper};
}
