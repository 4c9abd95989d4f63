// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an arrangement file: no crash, nothing beyond the bounds taken, what is taken
// written and read back the same, every calibration taken one an input could give, and taken by
// the workflow without a non-finite scale.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "arrangement_file.h"
#include "fake_window.h"
#include "qt_number_locale.h"
#include "workflow.h"

namespace {

bool withinBounds(const KeptPicture& picture) {
    return picture.width >= 1 && picture.height >= 1 && std::isfinite(picture.left) &&
           std::isfinite(picture.top) && picture.quarterTurns >= 0 && picture.quarterTurns <= 3 &&
           picture.opacity >= 0.1 && picture.opacity <= 1 && !picture.file.isEmpty();
}

void takeCalibrations(const KeptCalibrations& kept) {
    const QtNumberLocale locale{QLocale(QLocale::German)};
    FakeWindow window;
    Workflow workflow(window, locale);
    window.onChange = [&workflow](port::TextBox box) {
        box == port::TextBox::Text1 ? workflow.text1Change() : workflow.text2Change();
    };
    workflow.formLoad();
    workflow.openArrangement(kept);
    const WorkflowState& state = workflow.state();
    if (!std::isfinite(state.bgExactMmPerUnit) || !std::isfinite(state.fgExactMmPerUnit)) {
        std::abort();
    }
    // What was taken is kept again as it came.
    if (state.bgExactMmPerUnit != 0 &&
        !(workflow.keptCalibrations().background->mmPerTwip == kept.background->mmPerTwip)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QDir folder(QStringLiteral("/rooms/home"));
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const arrangement_file::Reading reading = arrangement_file::read(text, folder);
    if (!reading.arrangement) {
        if (reading.problem.isEmpty()) std::abort();  // refused without a reason
        return 0;
    }
    const Arrangement& arrangement = *reading.arrangement;
    for (const std::optional<KeptCalibration>& kept :
         {arrangement.calibrations.background, arrangement.calibrations.foreground}) {
        if (kept && !(kept->mmPerTwip >= 0.00005 && kept->lengthMm.value_or(1) > 0)) std::abort();
    }
    for (const KeptPicture& piece : arrangement.pieces) {
        if (!withinBounds(piece)) std::abort();
    }
    if (arrangement.foreground && !withinBounds(*arrangement.foreground)) std::abort();
    const arrangement_file::Reading again =
        arrangement_file::read(arrangement_file::write(arrangement, folder), folder);
    if (!again.arrangement || !(*again.arrangement == arrangement)) std::abort();
    takeCalibrations(arrangement.calibrations);
    return 0;
}
