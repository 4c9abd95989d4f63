// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "number_locale.h"
#include "window_port.h"
#include "workflow_state.h"

// A finished calibration as an arrangement file keeps it: the two presses in the background's
// twips, the scale they gave, and the length as typed (if the box still holds a number).
struct KeptCalibration {
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    std::int32_t endX = 0;
    std::int32_t endY = 0;
    double mmPerTwip = 0;
    std::optional<double> lengthMm;
    // The plan's 1:N where its paper gave the scale: no press made it, no length was typed.
    std::optional<std::int32_t> drawingScale;
    friend bool operator==(const KeptCalibration&, const KeptCalibration&) = default;
};

// No plan is drawn smaller than a town map's 1:100000.
inline constexpr std::int32_t kLargestDrawingScale = 100000;

struct KeptCalibrations {
    std::optional<KeptCalibration> background;
    std::optional<KeptCalibration> foreground;  // only beside a background's
    bool measureAlongLine = false;
    bool foregroundResized = false;
    friend bool operator==(const KeptCalibrations&, const KeptCalibrations&) = default;
};

// The calibrations the workflow has finished, and the lengths their boxes hold.
KeptCalibrations keptCalibrations(const WorkflowState& state, const WindowPort& window,
                                  const NumberLocale& locale);

// An arrangement opened: the workflow starts anew as the third task does, then takes the kept
// calibrations as if they had just been made, so that readouts, boxes, buttons and message are
// those the user saw after making them. A kept scale that no readout can show is not taken.
void onArrangementOpened(WorkflowState& state, WindowPort& window, const NumberLocale& locale,
                         const KeptCalibrations& kept);

// The plan's scale from its paper, drawn at 1:`drawingScale`: taken as a calibration just made,
// after the workflow started anew as the third task does, so that the foreground's start press
// is awaited. The plan's length box stays closed, for no press measured a length in it; a
// calibration by presses, begun again, replaces it.
void onDrawingScale(WorkflowState& state, WindowPort& window, const NumberLocale& locale,
                    std::int32_t drawingScale, double mmPerTwip);
