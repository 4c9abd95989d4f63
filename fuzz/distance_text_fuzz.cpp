// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed as the background length, in a locale with a decimal point and in one with
// a decimal comma: no crash, nothing non-finite stored, and every accepted text a number whose
// stored scale the readout shows.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fake_window.h"
#include "qt_number_locale.h"
#include "workflow.h"

namespace {

void typeAsBackgroundLength(const std::string& text, const QLocale& userLocale) {
    const QtNumberLocale locale(userLocale);
    FakeWindow window;
    Workflow workflow(window, locale);
    window.onChange = [&workflow](port::TextBox box) {
        box == port::TextBox::Text1 ? workflow.text1Change() : workflow.text2Change();
    };
    workflow.formLoad();
    workflow.option3Click();
    workflow.picture1MouseDown(1200, 2250);
    workflow.picture1MouseDown(3450, 0);  // 2250 twips apart
    window.type(port::TextBox::Text1, text);

    const WorkflowState& state = workflow.state();
    if (!std::isfinite(state.bgMmPerUnit.toDouble())) std::abort();
    if (state.mode != Mode::AwaitFgStart) {
        if (state.bgMmPerUnit.units() != 0) std::abort();  // refused: nothing stored
        return;
    }
    const std::optional<double> typed = locale.toNumber(text);
    if (!typed || !std::isfinite(*typed)) std::abort();  // accepted, so a number
    const std::string readout = window.captions[port::Label::Label2];
    const std::string shown = readout.substr(7, readout.size() - 9);  // "1pixel=" ... "mm"
    const std::optional<double> read = locale.toNumber(shown);
    if (readout.rfind("1pixel=", 0) != 0 || readout.substr(readout.size() - 2) != "mm" || !read ||
        *Currency::fromDouble(*read) != state.bgMmPerUnit) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    typeAsBackgroundLength(text, QLocale(QLocale::Japanese, QLocale::Japan));
    typeAsBackgroundLength(text, QLocale(QLocale::German, QLocale::Germany));
    return 0;
}
