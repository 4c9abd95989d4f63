// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointer_handling.h"

#include <optional>

#include "calibrations.h"
#include "checked_math.h"
#include "messages.h"

namespace {

void showStep(WindowPort& window, std::string_view message) {
    window.setStatusColor(kBlack);
    window.setCaption(port::Label::Label1, message);
}

// A press at a picture position. A position that does not fit a recorded point, which no
// pointer on the picture area can reach, is ignored.
void calibrationPress(WorkflowState& state, WindowPort& window, double pictureX, double pictureY) {
    const std::optional<std::int32_t> x = checked::roundToInt32(pictureX);
    const std::optional<std::int32_t> y = checked::roundToInt32(pictureY);
    if (!x || !y) return;

    for (const Calibration* c : kCalibrations) {
        if (state.mode == c->awaitingStart) {
            if (c->closedAtStart) window.setEnabled(*c->closedAtStart, false);
            state.*c->startX = *x;
            state.*c->startY = *y;
            showStep(window, c->endPrompt);
            state.mode = c->awaitingEnd;
            return;
        }
        if (state.mode == c->awaitingEnd) {
            // Enabled and focused before the point is stored, so the length can be typed at once.
            window.setEnabled(c->boxControl, true);
            window.giveFocus(c->box);
            state.*c->endX = *x;
            state.*c->endY = *y;
            showStep(window, MsgEnterDistance);
            state.mode = c->awaitingDistance;
            return;
        }
    }
}

// Between the two presses of a calibration the line runs from the start point to the
// pointer's X, at the start point's height; measured along the line, to the pointer itself.
void followPointer(const WorkflowState& state, WindowPort& window, float pictureX, float pictureY) {
    for (const Calibration* c : kCalibrations) {
        if (state.mode != c->awaitingEnd) continue;
        const auto y = static_cast<float>(state.*c->startY);
        window.setLine({static_cast<float>(state.*c->startX), y, pictureX,
                        state.measureAlongLine ? pictureY : y});
    }
}

}  // namespace

void onPicture1MouseDown(WorkflowState& state, WindowPort& window, float x, float y) {
    if (awaitsPoint(state)) calibrationPress(state, window, x, y);
}

void onPicture1MouseMove(WorkflowState& state, WindowPort& window, float x, float y) {
    followPointer(state, window, x, y);
}

void onImage1MouseDown(WorkflowState& state, WindowPort& window, float x, float y) {
    if (awaitsPoint(state)) {
        calibrationPress(state, window,
                         static_cast<double>(window.foreground(port::Extent::Left)) + x,
                         static_cast<double>(window.foreground(port::Extent::Top)) + y);
        return;
    }
    const std::optional<std::int32_t> grabX = checked::roundToInt32(x);
    const std::optional<std::int32_t> grabY = checked::roundToInt32(y);
    if (!grabX || !grabY) return;
    state.dragging = kFlagTrue;
    state.grabX = *grabX;
    state.grabY = *grabY;
}

void onImage1MouseMove(WorkflowState& state, WindowPort& window, float x, float y) {
    if (state.dragging == kFlagTrue) {
        // Keeps the grabbed point under the pointer; positions stay fractional.
        const auto left = checked::toSingle(
            static_cast<double>(window.foreground(port::Extent::Left)) + x - state.grabX);
        if (left) window.setForeground(port::Extent::Left, *left);
        const auto top = checked::toSingle(
            static_cast<double>(window.foreground(port::Extent::Top)) + y - state.grabY);
        if (top) window.setForeground(port::Extent::Top, *top);
        return;
    }
    const auto pictureX =
        checked::toSingle(static_cast<double>(window.foreground(port::Extent::Left)) + x);
    const auto pictureY =
        checked::toSingle(static_cast<double>(window.foreground(port::Extent::Top)) + y);
    if (pictureX && pictureY) followPointer(state, window, *pictureX, *pictureY);
}

void onImage1MouseUp(WorkflowState& state) { state.dragging = kFlagFalse; }

bool awaitsPoint(const WorkflowState& state) {
    for (const Calibration* c : kCalibrations) {
        if (state.mode == c->awaitingStart || state.mode == c->awaitingEnd) return true;
    }
    return false;
}

bool followsPointer(const WorkflowState& state) {
    for (const Calibration* c : kCalibrations) {
        if (state.mode == c->awaitingEnd) return true;
    }
    return state.dragging == kFlagTrue;
}

bool foregroundMayMove(const WorkflowState& state) { return state.mode != Mode::AwaitFgEnd; }
