#include "twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kPixelLimit = 1 << 30;
}

float TwipRect::*twipMember(port::Extent extent) {
    switch (extent) {
        case port::Extent::Left:
            return &TwipRect::left;
        case port::Extent::Top:
            return &TwipRect::top;
        case port::Extent::Width:
            return &TwipRect::width;
        case port::Extent::Height:
            break;
    }
    return &TwipRect::height;
}

int toPixels(double twips) {
    if (std::isnan(twips)) return 0;
    return static_cast<int>(
        std::clamp(std::round(twips / kTwipsPerPixel), -kPixelLimit, kPixelLimit));
}

QRect toPixelRect(const TwipRect& twips, double zoom) {
    return QRect(toPixels(twips.left * zoom), toPixels(twips.top * zoom),
                 toPixels(twips.width * zoom), toPixels(twips.height * zoom));
}

float toTwips(double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

QPointF toTwips(QPointF pixels) { return pixels * kTwipsPerPixel; }

void placeWidget(QWidget& widget, const TwipRect& twips) { widget.setGeometry(toPixelRect(twips)); }
