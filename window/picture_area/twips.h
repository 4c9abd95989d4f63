#pragma once

#include <QPointF>
#include <QRect>

#include "window_port.h"

class QWidget;

// The window measures in twips: 15 to a logical pixel. Qt's logical pixels keep high-DPI
// screens right.
inline constexpr double kTwipsPerPixel = 15.0;

// A control's place and size in single-precision twips, kept as set and read back exactly.
struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

// The member of a place and size that an extent names.
float TwipRect::*twipMember(port::Extent extent);

// Nearest whole pixel, clamped far inside int range so that widget arithmetic cannot overflow.
int toPixels(double twips);
// At a zoom, each logical pixel of the picture plane takes `zoom` screen pixels.
QRect toPixelRect(const TwipRect& twips, double zoom = 1.0);
float toTwips(double pixels);
QPointF toTwips(QPointF pixels);

void placeWidget(QWidget& widget, const TwipRect& twips);
