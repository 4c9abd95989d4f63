// SPDX-License-Identifier: GPL-3.0-or-later
#include "real_sizes.h"

#include <cmath>

#include "decimal_text.h"

namespace {

std::optional<double> usable(double scale) {
    if (!std::isfinite(scale) || scale <= 0) return std::nullopt;
    return scale;
}

}  // namespace

std::optional<double> backgroundMmPerTwip(const WorkflowState& state) {
    switch (state.mode) {
        case Mode::AwaitFgStart:
        case Mode::AwaitFgEnd:
        case Mode::AwaitFgDistance:
        case Mode::ReadyToResize:
            return usable(state.bgExactMmPerUnit);
        default:
            return std::nullopt;
    }
}

std::optional<double> foregroundMmPerTwip(const WorkflowState& state) {
    if (state.mode != Mode::ReadyToResize) return std::nullopt;
    return usable(state.fgResized ? state.bgExactMmPerUnit : state.fgExactMmPerUnit);
}

std::string sizeText(double widthMm, double heightMm) {
    return fixedText(widthMm, 0, ".") + " × " + fixedText(heightMm, 0, ".") + " mm";
}

std::string lengthText(double mm, std::string_view decimalSeparator) {
    return fixedText(mm, 1, decimalSeparator) + " mm";
}
