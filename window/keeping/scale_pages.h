// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QSize>
#include <QSizeF>
#include <span>

#include "page_choice.h"

class QPagedPaintDevice;
struct PlanDrawing;

// A plan on paper at a real-world scale: as many pages as it takes, each with a scale bar and
// the scale written under the drawing, and a 100 mm square to check the paper with a ruler;
// pages of a plan larger than one overlap by 10 mm, with marks to join them by and a map of
// where each lies.
namespace scale_pages {

// The scales offered, by their denominators: 1:20, 1:50, 1:100.
std::span<const int> denominators();

// The papers offered: A4 and A3.
std::span<const QPageSize::PageSizeId> papers();

// The largest of the scales at which the whole plan fits one page's drawing area, or the
// smallest scale if none does.
int fittingDenominator(QSizeF planMm, QSizeF pageMm);
// The paper first offered for a plan of this real size: the largest scale at which it fits one
// page of any paper, on the smaller paper where both take it, turned as the plan is.
PageChoice suggestedPage(QSizeF planMm);

// The page with margins of 10 mm.
QPageLayout layoutFor(const PageChoice& page);
// The part of the page's printable area left for the drawing, in millimetres.
QSizeF drawingArea(const QPageLayout& page);
// How many pages the plan takes across and down.
QSize pagesFor(QSizeF planMm, const PageChoice& page);

// Paints the plan at 1:denominator; `mmPerPixel` is what a pixel of the background stands for.
// False when the device cannot be painted on (a file that cannot be written).
bool paint(QPagedPaintDevice& device, const PlanDrawing& plan, double mmPerPixel, int denominator);

}  // namespace scale_pages
