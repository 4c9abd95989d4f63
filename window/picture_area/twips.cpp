// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kPixelLimit = 1 << 30;
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
