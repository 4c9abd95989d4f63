#include "distance_entry.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "checked_math.h"
#include "messages.h"

namespace {

// What tells the background entry from the foreground entry.
struct DistanceEntry {
    TextBox box;
    Mode awaitingMode;
    Mode readyMode;
    std::int32_t WorkflowState::*start;
    std::int32_t WorkflowState::*end;
    Currency WorkflowState::*scale;
    Label readout;
    std::string_view successMessage;
    bool enablesApply;
};

constexpr DistanceEntry kBackground{TextBox::Text1,
                                    Mode::AwaitBgDistance,
                                    Mode::AwaitFgStart,
                                    &WorkflowState::bgStartX,
                                    &WorkflowState::bgEndX,
                                    &WorkflowState::bgMmPerUnit,
                                    Label::Label2,
                                    MsgFgStart,
                                    false};
constexpr DistanceEntry kForeground{TextBox::Text2,
                                    Mode::AwaitFgDistance,
                                    Mode::ReadyToResize,
                                    &WorkflowState::fgStartX,
                                    &WorkflowState::fgEndX,
                                    &WorkflowState::fgMmPerUnit,
                                    Label::Label3,
                                    MsgPressChange,
                                    true};

// |start - end| as the workflow's signed 32-bit arithmetic allows it.
std::optional<std::int32_t> pointerDistance(std::int32_t start, std::int32_t end) {
    const std::int64_t distance = std::llabs(static_cast<std::int64_t>(start) - end);
    if (distance > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(distance);
}

std::optional<Currency> typedScale(const WorkflowState& state, const DistanceEntry& entry,
                                   const WindowPort& window, const NumberLocale& locale) {
    const std::optional<double> typed = locale.toNumber(window.text(entry.box));
    if (!typed) return std::nullopt;
    const std::optional<std::int32_t> distance =
        pointerDistance(state.*entry.start, state.*entry.end);
    if (!distance) return std::nullopt;
    const std::optional<double> quotient = checked::divide(*typed, *distance);
    if (!quotient) return std::nullopt;
    return Currency::fromDouble(*quotient);
}

void onDistanceChange(const DistanceEntry& entry, WorkflowState& state, WindowPort& window,
                      const NumberLocale& locale) {
    if (state.mode != entry.awaitingMode && state.mode != entry.readyMode) return;

    const std::optional<Currency> scale = typedScale(state, entry, window, locale);
    if (!scale) {
        window.setStatusColor(kRed);
        window.setCaption(Label::Label1, MsgEnterNumber);
        return;
    }
    state.*entry.scale = *scale;
    std::string readout(kReadoutPrefix);
    readout += scale->toText(locale.decimalSeparator());
    readout += kReadoutSuffix;
    window.setCaption(entry.readout, readout);
    window.setStatusColor(kBlack);
    window.setCaption(Label::Label1, entry.successMessage);
    if (entry.enablesApply) window.setEnabled(Control::Command3, true);
    state.mode = entry.readyMode;
}

}  // namespace

void onText1Change(WorkflowState& state, WindowPort& window, const NumberLocale& locale) {
    onDistanceChange(kBackground, state, window, locale);
}

void onText2Change(WorkflowState& state, WindowPort& window, const NumberLocale& locale) {
    onDistanceChange(kForeground, state, window, locale);
}
