// SPDX-License-Identifier: GPL-3.0-or-later
#include "kept_calibrations.h"

#include <charconv>
#include <string>

#include "calibrations.h"
#include "distance_entry.h"
#include "foreground_resize.h"
#include "messages.h"
#include "task_selection.h"

namespace {

std::optional<KeptCalibration> kept(const WorkflowState& state, const Calibration& calibration,
                                    const WindowPort& window, const NumberLocale& locale) {
    if (state.*calibration.exactScale == 0) return std::nullopt;
    return KeptCalibration{
        state.*calibration.startX,     state.*calibration.startY,
        state.*calibration.endX,       state.*calibration.endY,
        state.*calibration.exactScale, locale.toNumber(window.text(calibration.box)), {}};
}

// Shortest text that reads back as the same number, in the user's way of writing decimals.
std::string lengthText(double mm, const NumberLocale& locale) {
    char digits[32];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), mm);
    std::string text(digits, written.ptr);
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, locale.decimalSeparator());
    }
    return text;
}

// Takes one calibration as if its length had just been typed; false when its scale cannot be
// shown, which leaves the workflow awaiting that calibration's start press.
bool take(const KeptCalibration& kept, const Calibration& calibration, WorkflowState& state,
          WindowPort& window, const NumberLocale& locale) {
    const std::optional<Currency> scale = Currency::fromDouble(kept.mmPerTwip);
    if (!scale || kept.mmPerTwip == 0) return false;
    if (calibration.closedAtStart) window.setEnabled(*calibration.closedAtStart, false);
    // Written while the box's change does nothing, so that the kept scale stays exact.
    window.setText(calibration.box, kept.lengthMm ? lengthText(*kept.lengthMm, locale) : "");
    window.setEnabled(calibration.boxControl, !kept.drawingScale);
    state.*calibration.startX = kept.startX;
    state.*calibration.startY = kept.startY;
    state.*calibration.endX = kept.endX;
    state.*calibration.endY = kept.endY;
    state.*calibration.scale = *scale;
    state.*calibration.exactScale = kept.mmPerTwip;
    window.setCaption(calibration.readout, readoutText(*scale, locale.decimalSeparator()));
    window.setStatusColor(kBlack);
    window.setCaption(port::Label::Label1, calibration.successMessage);
    if (calibration.enablesApply) window.setEnabled(port::Control::Command3, true);
    state.mode = calibration.ready;
    return true;
}

}  // namespace

KeptCalibrations keptCalibrations(const WorkflowState& state, const WindowPort& window,
                                  const NumberLocale& locale) {
    KeptCalibrations calibrations;
    calibrations.measureAlongLine = state.measureAlongLine;
    calibrations.background = kept(state, kBackgroundCalibration, window, locale);
    if (!calibrations.background) return calibrations;
    if (state.bgDrawingScale != 0) calibrations.background->drawingScale = state.bgDrawingScale;
    calibrations.foreground = kept(state, kForegroundCalibration, window, locale);
    calibrations.foregroundResized = calibrations.foreground && state.fgResized;
    return calibrations;
}

void onArrangementOpened(WorkflowState& state, WindowPort& window, const NumberLocale& locale,
                         const KeptCalibrations& kept) {
    onOption3Click(state, window);
    state.measureAlongLine = kept.measureAlongLine;
    if (!kept.background || !take(*kept.background, kBackgroundCalibration, state, window, locale))
        return;
    state.bgDrawingScale = kept.background->drawingScale.value_or(0);
    if (!kept.foreground || !take(*kept.foreground, kForegroundCalibration, state, window, locale))
        return;
    if (!kept.foregroundResized) return;
    // As after "変  更": the foreground already has the size the resize gave it.
    window.setEnabled(port::Control::Text2, false);
    window.setEnabled(port::Control::Command3, false);
    state.fgResized = true;
    if (const std::optional<std::string> message = resizedMessage(state, locale)) {
        window.setCaption(port::Label::Label1, *message);
    }
}

void onDrawingScale(WorkflowState& state, WindowPort& window, const NumberLocale& locale,
                    std::int32_t drawingScale, double mmPerTwip) {
    onOption3Click(state, window);
    KeptCalibration paper;
    paper.mmPerTwip = mmPerTwip;
    paper.drawingScale = drawingScale;
    if (take(paper, kBackgroundCalibration, state, window, locale)) {
        state.bgDrawingScale = drawingScale;
    }
}
