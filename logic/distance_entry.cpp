#include "distance_entry.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "calibrations.h"
#include "checked_math.h"
#include "messages.h"

namespace {

// |start - end| as the workflow's signed 32-bit arithmetic allows it.
std::optional<std::int32_t> pointerDistance(std::int32_t start, std::int32_t end) {
    const std::int64_t distance = std::llabs(static_cast<std::int64_t>(start) - end);
    if (distance > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(distance);
}

std::optional<Currency> typedScale(const WorkflowState& state, const Calibration& calibration,
                                   const WindowPort& window, const NumberLocale& locale) {
    const std::optional<double> typed = locale.toNumber(window.text(calibration.box));
    if (!typed) return std::nullopt;
    const std::optional<std::int32_t> distance =
        pointerDistance(state.*calibration.startX, state.*calibration.endX);
    if (!distance) return std::nullopt;
    const std::optional<double> quotient = checked::divide(*typed, *distance);
    if (!quotient) return std::nullopt;
    return Currency::fromDouble(*quotient);
}

void onDistanceChange(const Calibration& calibration, WorkflowState& state, WindowPort& window,
                      const NumberLocale& locale) {
    if (state.mode != calibration.awaitingDistance && state.mode != calibration.ready) return;

    const std::optional<Currency> scale = typedScale(state, calibration, window, locale);
    if (!scale) {
        window.setStatusColor(kRed);
        window.setCaption(Label::Label1, MsgEnterNumber);
        return;
    }
    state.*calibration.scale = *scale;
    std::string readout(kReadoutPrefix);
    readout += scale->toText(locale.decimalSeparator());
    readout += kReadoutSuffix;
    window.setCaption(calibration.readout, readout);
    window.setStatusColor(kBlack);
    window.setCaption(Label::Label1, calibration.successMessage);
    if (calibration.enablesApply) window.setEnabled(Control::Command3, true);
    state.mode = calibration.ready;
}

}  // namespace

void onText1Change(WorkflowState& state, WindowPort& window, const NumberLocale& locale) {
    onDistanceChange(kBackgroundCalibration, state, window, locale);
}

void onText2Change(WorkflowState& state, WindowPort& window, const NumberLocale& locale) {
    onDistanceChange(kForegroundCalibration, state, window, locale);
}
