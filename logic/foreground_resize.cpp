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

// Everything is computed before anything is applied, so a failure leaves the foreground whole.
std::optional<Resize> planResize(const WorkflowState& state, float width, float height) {
    std::optional<double> ratio =
        checked::divide(state.fgMmPerUnit.toDouble(), state.bgMmPerUnit.toDouble());
    if (!ratio || *ratio < 0) return std::nullopt;
    *ratio += 0.0;  // a ratio of -0 would give sizes of -0

    const std::optional<float> newWidth = scaledExtent(*ratio, width);
    const std::optional<float> newHeight = scaledExtent(*ratio, height);
    if (!newWidth || !newHeight) return std::nullopt;
    return Resize{*newWidth, *newHeight};
}

}  // namespace

void onCommand3Click(WorkflowState& state, WindowPort& window, const NumberLocale& locale) {
    if (state.mode != Mode::ReadyToResize) return;
    window.setEnabled(Control::Text2, false);
    window.setEnabled(Control::Command3, false);
    window.setLine(kCollapsedLine);

    const std::optional<Resize> resize =
        planResize(state, window.foreground(Extent::Width), window.foreground(Extent::Height));
    if (!resize) {
        window.setStatusColor(kRed);
        window.setCaption(Label::Label1, MsgCannotScale);
        return;
    }
    window.setForeground(Extent::Width, resize->width);
    window.setForeground(Extent::Height, resize->height);
    // The message keeps the label's colour: red if the last edit of the length was an error.
    std::string message =
        cutPercentText(state.fgMmPerUnit, state.bgMmPerUnit, locale.decimalSeparator());
    message +=
        isEnlargement(state.fgMmPerUnit, state.bgMmPerUnit) ? MsgEnlargedSuffix : MsgReducedSuffix;
    window.setCaption(Label::Label1, message);
}
