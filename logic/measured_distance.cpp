// SPDX-License-Identifier: GPL-3.0-or-later
#include "measured_distance.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "decimal_text.h"
#include "messages.h"

namespace {

constexpr double kLevelEnoughDegrees = 1.0;

// |a - b| as the workflow's signed 32-bit arithmetic allows it.
std::optional<std::int32_t> span(std::int32_t a, std::int32_t b) {
    const std::int64_t distance = std::llabs(static_cast<std::int64_t>(a) - b);
    if (distance > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(distance);
}

}  // namespace

std::optional<double> measuredTwips(const WorkflowState& state, const Calibration& calibration) {
    const std::optional<std::int32_t> across =
        span(state.*calibration.startX, state.*calibration.endX);
    if (!across) return std::nullopt;
    if (!state.measureAlongLine) return double(*across);
    const std::optional<std::int32_t> down =
        span(state.*calibration.startY, state.*calibration.endY);
    if (!down) return std::nullopt;
    return std::hypot(double(*across), double(*down));
}

const Calibration* calibrationAwaitingLength(const WorkflowState& state) {
    switch (state.mode) {
        case Mode::AwaitBgDistance:
        case Mode::AwaitFgStart:
            return &kBackgroundCalibration;
        case Mode::AwaitFgDistance:
            return &kForegroundCalibration;
        case Mode::ReadyToResize:
            return state.fgResized ? nullptr : &kForegroundCalibration;
        default:
            return nullptr;
    }
}

std::optional<Tilt> levelMeasureTilt(const WorkflowState& state) {
    const Calibration* calibration = calibrationAwaitingLength(state);
    if (!calibration || state.measureAlongLine) return std::nullopt;
    const double across =
        std::fabs(double(state.*calibration->startX) - double(state.*calibration->endX));
    const double down =
        std::fabs(double(state.*calibration->startY) - double(state.*calibration->endY));
    const double radians = std::atan2(down, across);
    const double degrees = radians * 180 / std::numbers::pi;
    if (degrees <= kLevelEnoughDegrees) return std::nullopt;
    return Tilt{degrees, (1 - std::cos(radians)) * 100};
}

std::string tiltNotice(const Tilt& tilt, std::string_view decimalSeparator) {
    std::string text = fixedText(tilt.degrees, 1, decimalSeparator);
    text += MsgTiltDegrees;
    text += fixedText(tilt.shortPercent, 1, decimalSeparator);
    text += MsgTiltShortPercent;
    return text;
}
