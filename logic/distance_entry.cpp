// SPDX-License-Identifier: GPL-3.0-or-later
#include "distance_entry.h"

#include <optional>
#include <string>

#include "calibrations.h"
#include "checked_math.h"
#include "measured_distance.h"
#include "messages.h"

namespace {

// The typed length over the measured twips, unrounded.
std::optional<double> typedScale(const WorkflowState& state, const Calibration& calibration,
                                 const WindowPort& window, const NumberLocale& locale) {
    const std::optional<double> typed = locale.toNumber(window.text(calibration.box));
    if (!typed) return std::nullopt;
    const std::optional<double> distance = measuredTwips(state, calibration);
    if (!distance) return std::nullopt;
    return checked::divide(*typed, *distance);
}

void onDistanceChange(const Calibration& calibration, WorkflowState& state, WindowPort& window,
                      const NumberLocale& locale) {
    if (state.mode != calibration.awaitingDistance && state.mode != calibration.ready) return;

    const std::optional<double> exact = typedScale(state, calibration, window, locale);
    const std::optional<Currency> scale = exact ? Currency::fromDouble(*exact) : std::nullopt;
    if (!scale) {
        window.setStatusColor(kRed);
        window.setCaption(port::Label::Label1, MsgEnterNumber);
        return;
    }
    state.*calibration.scale = *scale;
    state.*calibration.exactScale = *exact;
    window.setCaption(calibration.readout, readoutText(*scale, locale.decimalSeparator()));
    window.setStatusColor(kBlack);
    window.setCaption(port::Label::Label1, calibration.successMessage);
    if (calibration.enablesApply) window.setEnabled(port::Control::Command3, true);
    state.mode = calibration.ready;
}

}  // namespace

void onText1Change(WorkflowState& state, WindowPort& window, const NumberLocale& locale) {
    onDistanceChange(kBackgroundCalibration, state, window, locale);
}

void onText2Change(WorkflowState& state, WindowPort& window, const NumberLocale& locale) {
    onDistanceChange(kForegroundCalibration, state, window, locale);
}

void onMeasureAlongLineToggle(WorkflowState& state, WindowPort& window,
                              const NumberLocale& locale) {
    state.measureAlongLine = !state.measureAlongLine;
    // A length already typed is measured again the new way, as if typed again.
    const Calibration* open = calibrationAwaitingLength(state);
    if (open && !window.text(open->box).empty()) onDistanceChange(*open, state, window, locale);
}

std::string readoutText(Currency scale, std::string_view decimalSeparator) {
    std::string readout(kReadoutPrefix);
    readout += scale.toText(decimalSeparator);
    readout += kReadoutSuffix;
    return readout;
}
