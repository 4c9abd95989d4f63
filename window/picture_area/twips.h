// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>

#include "twip_rect.h"

class QWidget;

// Nearest whole pixel, clamped far inside int range so that widget arithmetic cannot overflow.
int toPixels(double twips);
// At a zoom, each logical pixel of the picture plane takes `zoom` screen pixels.
QRect toPixelRect(const TwipRect& twips, double zoom = 1.0);
float toTwips(double pixels);
QPointF toTwips(QPointF pixels);

void placeWidget(QWidget& widget, const TwipRect& twips);
