#include "pointer_handling.h"

#include <optional>

#include "checked_math.h"
#include "messages.h"

namespace {

void showStep(WindowPort& window, std::string_view message) {
    window.setStatusColor(kBlack);
    window.setCaption(Label::Label1, message);
}

// A press at a picture position. A position that does not fit a recorded point, which no
// pointer on the picture area can reach, is ignored.
void calibrationPress(WorkflowState& state, WindowPort& window, double pictureX, double pictureY) {
    const std::optional<std::int32_t> x = checked::roundToInt32(pictureX);
    const std::optional<std::int32_t> y = checked::roundToInt32(pictureY);
    if (!x || !y) return;

    switch (state.mode) {
        case Mode::AwaitBgStart:
            state.bgStartX = *x;
            state.bgStartY = *y;
            showStep(window, MsgBgEnd);
            state.mode = Mode::AwaitBgEnd;
            break;
        case Mode::AwaitBgEnd:
            // Enabled and focused before the point is stored, so the length can be typed at once.
            window.setEnabled(Control::Text1, true);
            window.giveFocus(TextBox::Text1);
            state.bgEndX = *x;
            showStep(window, MsgEnterDistance);
            state.mode = Mode::AwaitBgDistance;
            break;
        case Mode::AwaitFgStart:
            window.setEnabled(Control::Text1, false);
            state.fgStartX = *x;
            state.fgStartY = *y;
            showStep(window, MsgFgEnd);
            state.mode = Mode::AwaitFgEnd;
            break;
        case Mode::AwaitFgEnd:
            window.setEnabled(Control::Text2, true);
            window.giveFocus(TextBox::Text2);
            state.fgEndX = *x;
            showStep(window, MsgEnterDistance);
            state.mode = Mode::AwaitFgDistance;
            break;
        default:
            break;
    }
}

// Between the two presses of a calibration the line runs from the start point to the
// pointer's X, at the start point's height.
void followPointer(const WorkflowState& state, WindowPort& window, float pictureX) {
    if (state.mode == Mode::AwaitBgEnd) {
        const auto y = static_cast<float>(state.bgStartY);
        window.setLine({static_cast<float>(state.bgStartX), y, pictureX, y});
    } else if (state.mode == Mode::AwaitFgEnd) {
        const auto y = static_cast<float>(state.fgStartY);
        window.setLine({static_cast<float>(state.fgStartX), y, pictureX, y});
    }
}

}  // namespace

void onPicture1MouseDown(WorkflowState& state, WindowPort& window, float x, float y) {
    if (awaitsPoint(state)) calibrationPress(state, window, x, y);
}

void onPicture1MouseMove(WorkflowState& state, WindowPort& window, float x) {
    followPointer(state, window, x);
}

void onImage1MouseDown(WorkflowState& state, WindowPort& window, float x, float y) {
    if (awaitsPoint(state)) {
        calibrationPress(state, window, static_cast<double>(window.foreground(Extent::Left)) + x,
                         static_cast<double>(window.foreground(Extent::Top)) + y);
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
        const auto left = checked::toSingle(static_cast<double>(window.foreground(Extent::Left)) +
                                            x - state.grabX);
        if (left) window.setForeground(Extent::Left, *left);
        const auto top = checked::toSingle(static_cast<double>(window.foreground(Extent::Top)) + y -
                                           state.grabY);
        if (top) window.setForeground(Extent::Top, *top);
        return;
    }
    const auto pictureX =
        checked::toSingle(static_cast<double>(window.foreground(Extent::Left)) + x);
    if (pictureX) followPointer(state, window, *pictureX);
}

void onImage1MouseUp(WorkflowState& state) { state.dragging = kFlagFalse; }

bool awaitsPoint(const WorkflowState& state) {
    return state.mode == Mode::AwaitBgStart || state.mode == Mode::AwaitBgEnd ||
           state.mode == Mode::AwaitFgStart || state.mode == Mode::AwaitFgEnd;
}

bool followsPointer(const WorkflowState& state) {
    return state.dragging == kFlagTrue || state.mode == Mode::AwaitBgEnd ||
           state.mode == Mode::AwaitFgEnd;
}
