// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "currency.h"

enum class Mode : std::int16_t {
    Idle = 0,
    AwaitBgStart = 1,
    AwaitBgEnd = 2,
    AwaitBgDistance = 3,
    AwaitFgStart = 4,
    AwaitFgEnd = 5,
    AwaitFgDistance = 6,
    ReadyToResize = 7,
};

// A 16-bit boolean as the workflow stores it: 0 is false, -1 is true.
using Flag16 = std::int16_t;
inline constexpr Flag16 kFlagFalse = 0;
inline constexpr Flag16 kFlagTrue = -1;

// All working data of the window. Lengths are twips in the background box's coordinates,
// except the grab point, which is relative to the foreground's top-left corner.
struct WorkflowState {
    std::int32_t bgStartX = 0;
    std::int32_t bgStartY = 0;
    std::int32_t bgEndX = 0;
    Currency bgMmPerUnit;
    std::int32_t fgStartX = 0;
    std::int32_t fgStartY = 0;
    std::int32_t fgEndX = 0;
    Currency fgMmPerUnit;
    Flag16 dragging = kFlagFalse;
    std::int32_t grabX = 0;
    std::int32_t grabY = 0;
    Mode mode = Mode::Idle;

    // Beyond the described record: what keeps a size as exact as the clicks.
    std::int32_t bgEndY = 0;  // the end press's height; a level measure does not use it
    std::int32_t fgEndY = 0;
    double bgExactMmPerUnit = 0;  // the typed length over the measured twips, unrounded
    double fgExactMmPerUnit = 0;
    bool measureAlongLine = false;  // the whole length between the presses, not its level part
    bool fgResized = false;         // the foreground now shows the background's scale
    std::int32_t bgDrawingScale = 0;  // the N of 1:N where the plan's paper gave its scale

    friend bool operator==(const WorkflowState&, const WorkflowState&) = default;
};
