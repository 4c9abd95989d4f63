// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "plan_drawing.h"

namespace scale_pages {

namespace {

constexpr int kDenominators[] = {20, 50, 100};
// Under the drawing: the scale bar and its labels, and room for them on every page.
constexpr double kFooterMm = 14;
constexpr double kBarHeightMm = 2;
constexpr double kLongestBarMm = 60;
constexpr double kMmPerInch = 25.4;

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
    QFont font = painter.font();
    font.setPointSizeF(9 / unitsPerMm);  // nine points on paper, in a painter that draws in mm
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    painter.setFont(font);
    const auto below = [&](double x, const QString& text) {
        painter.drawText(QRectF(x - 15, 3 + kBarHeightMm + 0.5, 30, 5), Qt::AlignHCenter, text);
    };
    below(4, QStringLiteral("0"));
    below(4 + length, metresText(metres));
    painter.drawText(QRectF(4 + length + 12, 2, 80, 6), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("縮尺 1:%1%2").arg(denominator).arg(pageText));
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

QPageLayout a4For(QSize plan) {
    return QPageLayout(
        QPageSize(QPageSize::A4),
        plan.width() > plan.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QSizeF drawingArea(const QPageLayout& page) {
    const QSizeF printable = page.paintRect(QPageLayout::Millimeter).size();
    return {printable.width(), std::max(printable.height() - kFooterMm, 1.0)};
}

bool paint(QPagedPaintDevice& device, const PlanDrawing& plan, double mmPerPixel, int denominator) {
    const QSizeF area = drawingArea(device.pageLayout());
    const double paperMmPerPixel = mmPerPixel / denominator;
    const QSizeF planMm = QSizeF(plan.size()) * paperMmPerPixel;
    const int columns = std::max(1, int(std::ceil(planMm.width() / area.width() - 1e-9)));
    const int rows = std::max(1, int(std::ceil(planMm.height() / area.height() - 1e-9)));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Millimetres from the printable area's corner.
    const double unitsPerMm = device.logicalDpiX() / kMmPerInch;
    painter.scale(unitsPerMm, device.logicalDpiY() / kMmPerInch);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (row + column > 0) device.newPage();
            painter.save();
            painter.setClipRect(QRectF(QPointF(0, 0), area));
            painter.translate(-column * area.width(), -row * area.height());
            painter.scale(paperMmPerPixel, paperMmPerPixel);
            plan.paint(painter);
            painter.restore();
            // Right under the drawing, which may end before the page does.
            painter.save();
            painter.translate(0, std::min(area.height(), planMm.height() - row * area.height()));
            const QString page = rows * columns == 1 ? QString()
                                                     : QStringLiteral("　（%1 / %2 ページ）")
                                                           .arg(row * columns + column + 1)
                                                           .arg(rows * columns);
            paintScaleBar(painter, denominator, page, unitsPerMm);
            painter.restore();
        }
    }
    return painter.end();
}

}  // namespace scale_pages
