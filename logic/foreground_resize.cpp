#include "foreground_resize.h"

#include <cmath>
#include <optional>
#include <string>

#include "checked_math.h"
#include "decimal_text.h"
#include "messages.h"

namespace {

struct Resize {
    float width;
    float height;
    double percent;
    double shownNumber;  // the percentage cut (not rounded) to four decimals
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
    const std::optional<double> percent = checked::multiply(*ratio, 100.0);
    const std::optional<double> millionths = checked::multiply(*ratio, 1000000.0);
    if (!newWidth || !newHeight || !percent || !millionths) return std::nullopt;
    const std::optional<double> shown = checked::divide(std::floor(*millionths), 10000.0);
    if (!shown) return std::nullopt;
    return Resize{*newWidth, *newHeight, *percent, *shown};
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
    std::string message = decimalText(resize->shownNumber, locale.decimalSeparator());
    message += resize->percent >= 100.0 ? MsgEnlargedSuffix : MsgReducedSuffix;
    window.setCaption(Label::Label1, message);
}
