// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "plan_drawing.h"

namespace scale_pages {

namespace {

constexpr int kDenominators[] = {20, 50, 100};
constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::A4, QPageSize::A3};
// Pages of one plan overlap by this much, to be joined.
constexpr double kOverlapMm = 10;
constexpr double kMarkMm = 5;
// Under the drawing: the scale bar and its labels, and room for them on every page.
constexpr double kFooterMm = 14;
constexpr double kBarHeightMm = 2;
constexpr double kLongestBarMm = 60;
constexpr double kMmPerInch = 25.4;
// A square the user measures with a ruler to see that the paper came out at scale.
constexpr double kTestSquareMm = 100;
constexpr double kTestSquareGapMm = 4;

// The longest round real length whose bar stays short on paper: 1, 2 or 5 metres and so on.
double barMetres(int denominator) {
    double best = 0.1;
    for (double decade = 0.1; decade <= 1000; decade *= 10) {
        for (const double step : {1.0, 2.0, 5.0}) {
            if (step * decade * 1000 / denominator <= kLongestBarMm) best = step * decade;
        }
    }
    return best;
}

QString metresText(double metres) {
    return metres >= 1 ? QStringLiteral("%1 m").arg(metres)
                       : QStringLiteral("%1 cm").arg(std::lround(metres * 100));
}

// Nine points on paper, in a painter that draws in millimetres.
void setPaperFont(QPainter& painter, double unitsPerMm) {
    QFont font = painter.font();
    font.setPointSizeF(9 / unitsPerMm);
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    painter.setFont(font);
}

// Five segments, black and white in turn, with 0 and the length under their ends; the scale
// beside them. In millimetres from the footer's top left corner.
void paintScaleBar(QPainter& painter, int denominator, const QString& pageText, double unitsPerMm) {
    const double metres = barMetres(denominator);
    const double length = metres * 1000 / denominator;
    painter.setPen(QPen(Qt::black, 0.2));
    for (int segment = 0; segment < 5; ++segment) {
        const QRectF part(4 + length * segment / 5, 3, length / 5, kBarHeightMm);
        painter.fillRect(part, segment % 2 == 0 ? Qt::black : Qt::white);
        painter.drawRect(part);
    }
    setPaperFont(painter, unitsPerMm);
    const auto below = [&](double x, const QString& text) {
        painter.drawText(QRectF(x - 15, 3 + kBarHeightMm + 0.5, 30, 5), Qt::AlignHCenter, text);
    };
    below(4, QStringLiteral("0"));
    below(4 + length, metresText(metres));
    painter.drawText(QRectF(4 + length + 12, 2, 80, 6), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("縮尺 1:%1%2").arg(denominator).arg(pageText));
}

// Beside the drawing where the page has room for it, else over the drawing area's lower right
// corner, drawn as an outline that hides nothing; its sides' centre lines are 100 mm apart.
void paintTestSquare(QPainter& painter, QSizeF area, QSizeF drawn, double unitsPerMm) {
    QPointF at(area.width() - kTestSquareMm, area.height() - kTestSquareMm);
    if (area.width() - drawn.width() >= kTestSquareMm + kTestSquareGapMm &&
        area.height() >= kTestSquareMm) {
        at = {drawn.width() + kTestSquareGapMm, 0};
    } else if (area.height() - drawn.height() >= kTestSquareMm + kTestSquareGapMm) {
        at = {0, drawn.height() + kFooterMm + kTestSquareGapMm};
    }
    painter.save();
    painter.translate(at);
    painter.setPen(QPen(Qt::black, 0.25));
    painter.drawRect(QRectF(0, 0, kTestSquareMm, kTestSquareMm));
    setPaperFont(painter, unitsPerMm);
    painter.drawText(QRectF(2, 2, kTestSquareMm - 4, 12), Qt::AlignHCenter | Qt::TextWordWrap,
                     QStringLiteral("100 mm × 100 mm\n定規で測って 100 mm なら縮尺どおりです"));
    painter.restore();
}

// The pages across and down for a drawing of this size on paper: each page after the first
// shows what the one before did not, less the overlap.
QSize pagesOf(QSizeF onPaperMm, QSizeF area) {
    const auto count = [](double length, double shown) {
        if (length <= shown + 1e-9) return 1;
        return 1 + int(std::ceil((length - shown) / (shown - kOverlapMm) - 1e-9));
    };
    return {count(onPaperMm.width(), area.width()), count(onPaperMm.height(), area.height())};
}

// Where the next page takes up the drawing: the overlap's edge marked in the margins, and the
// drawing's corners, to cut and join the pages by.
void paintJoins(QPainter& painter, QSizeF drawn, QPoint at, QSize pages) {
    painter.save();
    painter.setPen(QPen(Qt::black, 0.15));
    for (const QPointF corner : {QPointF(0, 0), QPointF(drawn.width(), 0), QPointF(0, drawn.height()),
                                 QPointF(drawn.width(), drawn.height())}) {
        const double across = corner.x() == 0 ? -1 : 1;
        const double down = corner.y() == 0 ? -1 : 1;
        painter.drawLine(corner + QPointF(across, 0), corner + QPointF(across * kMarkMm, 0));
        painter.drawLine(corner + QPointF(0, down), corner + QPointF(0, down * kMarkMm));
    }
    QPen dashed(Qt::black, 0.15, Qt::DashLine);
    painter.setPen(dashed);
    if (at.x() + 1 < pages.width()) {
        const double x = drawn.width() - kOverlapMm;
        painter.drawLine(QPointF(x, -kMarkMm), QPointF(x, -1));
        painter.drawLine(QPointF(x, drawn.height() + 1), QPointF(x, drawn.height() + 2));
    }
    if (at.y() + 1 < pages.height()) {
        const double y = drawn.height() - kOverlapMm;
        painter.drawLine(QPointF(-kMarkMm, y), QPointF(-1, y));
        painter.drawLine(QPointF(drawn.width() + 1, y), QPointF(drawn.width() + kMarkMm, y));
    }
    painter.restore();
}

// The pages as a small grid at the footer's right end, this one filled.
void paintPageMap(QPainter& painter, double width, QPoint at, QSize pages) {
    constexpr double kCellMm = 2.5;
    const QPointF origin(width - pages.width() * kCellMm, 3);
    painter.save();
    painter.setPen(QPen(Qt::black, 0.15));
    for (int row = 0; row < pages.height(); ++row) {
        for (int column = 0; column < pages.width(); ++column) {
            const QRectF cell(origin + QPointF(column * kCellMm, row * kCellMm),
                              QSizeF(kCellMm, kCellMm));
            painter.fillRect(cell, QPoint(column, row) == at ? Qt::black : Qt::white);
            painter.drawRect(cell);
        }
    }
    painter.restore();
}

}  // namespace

std::span<const int> denominators() { return kDenominators; }

int fittingDenominator(QSizeF planMm, QSizeF pageMm) {
    for (const int denominator : kDenominators) {
        if (planMm.width() / denominator <= pageMm.width() &&
            planMm.height() / denominator <= pageMm.height()) {
            return denominator;
        }
    }
    return kDenominators[std::size(kDenominators) - 1];
}

std::span<const QPageSize::PageSizeId> papers() { return kPapers; }

QPageLayout layoutFor(const PageChoice& page) {
    return QPageLayout(QPageSize(page.paper),
                       page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

PageChoice suggestedPage(QSizeF planMm) {
    const bool landscape = planMm.width() > planMm.height();
    std::optional<PageChoice> best;
    for (const QPageSize::PageSizeId paper : kPapers) {
        const PageChoice page{paper, landscape, 0};
        const int denominator = fittingDenominator(planMm, drawingArea(layoutFor(page)));
        const bool fits = pagesFor(planMm, {paper, landscape, denominator}) == QSize(1, 1);
        if (fits && (!best || denominator < best->denominator)) best = {paper, landscape, denominator};
    }
    return best.value_or(PageChoice{kPapers[0], landscape, kDenominators[std::size(kDenominators) - 1]});
}

QSize pagesFor(QSizeF planMm, const PageChoice& page) {
    return pagesOf(planMm / page.denominator, drawingArea(layoutFor(page)));
}

QSizeF drawingArea(const QPageLayout& page) {
    const QSizeF printable = page.paintRect(QPageLayout::Millimeter).size();
    return {printable.width(), std::max(printable.height() - kFooterMm, 1.0)};
}

bool paint(QPagedPaintDevice& device, const PlanDrawing& plan, double mmPerPixel, int denominator) {
    const QSizeF area = drawingArea(device.pageLayout());
    const double paperMmPerPixel = mmPerPixel / denominator;
    const QSizeF planMm = QSizeF(plan.size()) * paperMmPerPixel;
    const QSize pages = pagesOf(planMm, area);
    const QSizeF step(area.width() - (pages.width() > 1 ? kOverlapMm : 0),
                      area.height() - (pages.height() > 1 ? kOverlapMm : 0));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Millimetres from the printable area's corner.
    const double unitsPerMm = device.logicalDpiX() / kMmPerInch;
    painter.scale(unitsPerMm, device.logicalDpiY() / kMmPerInch);
    for (int row = 0; row < pages.height(); ++row) {
        for (int column = 0; column < pages.width(); ++column) {
            if (row + column > 0) device.newPage();
            painter.save();
            painter.setClipRect(QRectF(QPointF(0, 0), area));
            painter.translate(-column * step.width(), -row * step.height());
            painter.scale(paperMmPerPixel, paperMmPerPixel);
            plan.paint(painter);
            painter.restore();
            const QSizeF drawn(std::min(area.width(), planMm.width() - column * step.width()),
                               std::min(area.height(), planMm.height() - row * step.height()));
            if (pages != QSize(1, 1)) paintJoins(painter, drawn, {column, row}, pages);
            // Right under the drawing, which may end before the page does.
            painter.save();
            painter.translate(0, drawn.height());
            const int count = pages.width() * pages.height();
            const QString number = count == 1 ? QString()
                                              : QStringLiteral("　（%1 / %2 ページ）")
                                                    .arg(row * pages.width() + column + 1)
                                                    .arg(count);
            paintScaleBar(painter, denominator, number, unitsPerMm);
            if (count > 1) paintPageMap(painter, area.width(), {column, row}, pages);
            painter.restore();
            paintTestSquare(painter, area, drawn, unitsPerMm);
        }
    }
    return painter.end();
}

}  // namespace scale_pages
