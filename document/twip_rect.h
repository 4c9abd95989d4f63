// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_port.h"

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
constexpr float TwipRect::*twipMember(port::Extent extent) {
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
