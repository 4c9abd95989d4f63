// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calibrations.h"
#include "workflow_state.h"

// The twips a calibration's two presses span: their level distance (the described measure),
// or, while measureAlongLine is on, the whole length of the line between them. Empty when the
// points lie too far apart for the workflow's 32-bit arithmetic.
std::optional<double> measuredTwips(const WorkflowState& state, const Calibration& calibration);

// The calibration whose length may still be typed (its box is open), if any.
const Calibration* calibrationAwaitingLength(const WorkflowState& state);

// A level measure of presses that lie off level measures the line short.
struct Tilt {
    double degrees;       // 0 to 90
    double shortPercent;  // how much shorter than the line the level distance is
};
// The tilt of the calibration awaiting its length, when it is measured level and lies more
// than a degree off level.
std::optional<Tilt> levelMeasureTilt(const WorkflowState& state);
std::string tiltNotice(const Tilt& tilt, std::string_view decimalSeparator);
