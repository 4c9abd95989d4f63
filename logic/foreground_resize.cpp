// SPDX-License-Identifier: GPL-3.0-or-later
#include "foreground_resize.h"

#include <optional>
#include <string>

#include "checked_math.h"
#include "messages.h"
#include "percent_text.h"

namespace {

struct Resize {
    float width;
    float height;
};

std::optional<float> scaledExtent(double ratio, float extent) {
    const std::optional<double> product = checked::multiply(ratio, extent);
    if (!product) return std::nullopt;
    const std::optional<float> single = checked::toSingle(*product);
    if (!single || *single > kLargestControlExtent) return std::nullopt;
    return single;
}

// The ratio of the scales as typed and measured: the readouts' four decimals would make a
// sharp photo's resize wrong by percents, and a scale below 0.00005 would read as nothing.
std::optional<double> exactRatio(const WorkflowState& state) {
    std::optional<double> ratio = checked::divide(state.fgExactMmPerUnit, state.bgExactMmPerUnit);
    if (!ratio || *ratio < 0) return std::nullopt;
    return *ratio + 0.0;  // a ratio of -0 would give sizes of -0
}

// Everything is computed before anything is applied, so a failure leaves the foreground whole.
std::optional<Resize> planResize(double ratio, float width, float height) {
    const std::optional<float> newWidth = scaledExtent(ratio, width);
    const std::optional<float> newHeight = scaledExtent(ratio, height);
    if (!newWidth || !newHeight) return std::nullopt;
    return Resize{*newWidth, *newHeight};
}

}  // namespace

void onCommand3Click(WorkflowState& state, WindowPort& window, const NumberLocale& locale) {
    if (state.mode != Mode::ReadyToResize) return;
    window.setEnabled(port::Control::Text2, false);
    window.setEnabled(port::Control::Command3, false);
    window.setLine(kCollapsedLine);

    const std::optional<double> ratio = exactRatio(state);
    const std::optional<Resize> resize =
        ratio ? planResize(*ratio, window.foreground(port::Extent::Width),
                           window.foreground(port::Extent::Height))
              : std::nullopt;
    if (!resize) {
        window.setStatusColor(kRed);
        window.setCaption(port::Label::Label1, MsgCannotScale);
        return;
    }
    window.setForeground(port::Extent::Width, resize->width);
    window.setForeground(port::Extent::Height, resize->height);
    state.fgResized = true;
    // The message keeps the label's colour: red if the last edit of the length was an error.
    window.setCaption(port::Label::Label1, *resizedMessage(state, locale));
}

std::optional<std::string> resizedMessage(const WorkflowState& state, const NumberLocale& locale) {
    const std::optional<double> ratio = exactRatio(state);
    if (!ratio) return std::nullopt;
    std::string message = cutPercentText(*ratio, locale.decimalSeparator());
    message += isEnlargement(*ratio) ? MsgEnlargedSuffix : MsgReducedSuffix;
    return message;
}
