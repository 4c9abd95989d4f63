// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QSize>
#include <QSizeF>
#include <span>

class QPagedPaintDevice;
struct PlanDrawing;

// A plan on paper at a real-world scale: as many pages as it takes, each with a scale bar and
// the scale written under the drawing.
namespace scale_pages {

// The scales offered, by their denominators: 1:20, 1:50, 1:100.
std::span<const int> denominators();

// The largest of the scales at which the whole plan fits one page's drawing area, or the
// smallest scale if none does.
int fittingDenominator(QSizeF planMm, QSizeF pageMm);

// An A4 page turned as the plan is, with margins of 10 mm.
QPageLayout a4For(QSize plan);
// The part of the page's printable area left for the drawing, in millimetres.
QSizeF drawingArea(const QPageLayout& page);

// Paints the plan at 1:denominator; `mmPerPixel` is what a pixel of the background stands for.
// False when the device cannot be painted on (a file that cannot be written).
bool paint(QPagedPaintDevice& device, const PlanDrawing& plan, double mmPerPixel, int denominator);

}  // namespace scale_pages
