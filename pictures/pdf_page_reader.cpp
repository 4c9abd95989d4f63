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

ReadPicture readPdfFirstPage(QIODevice& file) {
    QPdfDocument document;
    file.seek(0);
    document.load(&file);  // a file at hand loads at once
    const QPdfDocument::Error error = document.error();
    if (error == QPdfDocument::Error::IncorrectPassword) {
        return {{}, PictureProblem::PasswordProtected};
    }
    if (error != QPdfDocument::Error::None || document.pageCount() < 1) {
        return {{}, PictureProblem::Damaged};
    }
    const QSizeF page = document.pagePointSize(0);
    if (!(page.width() > 0 && page.height() > 0)) return {{}, PictureProblem::Damaged};
    const double scale = pixelsPerPoint(page);
    const QSize pixels(std::max(1, int(std::floor(page.width() * scale))),
                       std::max(1, int(std::floor(page.height() * scale))));
    QImage rendered = document.render(0, pixels);
    if (rendered.isNull()) return {{}, PictureProblem::Damaged};
    // PDFium leaves the paper transparent: the page is shown on white paper as it is painted,
    // which spares a pass over every pixel here.
    return {std::move(rendered).convertToFormat(QImage::Format_ARGB32_Premultiplied),
            PictureProblem::None, kMaxPicturePixels, true};
}
