// SPDX-License-Identifier: GPL-3.0-or-later
#include "task_selection.h"

#include "messages.h"

namespace {

void chooseLoadingTask(WorkflowState& state, WindowPort& window, bool background) {
    window.setEnabled(port::Control::Command1, background);
    window.setEnabled(port::Control::Command2, !background);
    window.setEnabled(port::Control::Frame2, false);
    window.setLine(kCollapsedLine);
    state.mode = Mode::Idle;
}

}  // namespace

void onOption1Click(WorkflowState& state, WindowPort& window) {
    chooseLoadingTask(state, window, true);
}

void onOption2Click(WorkflowState& state, WindowPort& window) {
    chooseLoadingTask(state, window, false);
}

void onOption3Click(WorkflowState& state, WindowPort& window) {
    window.setEnabled(port::Control::Command1, false);
    window.setEnabled(port::Control::Command2, false);
    window.setEnabled(port::Control::Frame2, true);
    window.setLine(kCollapsedLine);
    state.bgMmPerUnit = Currency();
    state.fgMmPerUnit = Currency();
    state.bgExactMmPerUnit = 0;
    state.bgDrawingScale = 0;
    state.fgExactMmPerUnit = 0;
    state.fgResized = false;
    window.setText(port::TextBox::Text1, "");
    window.setText(port::TextBox::Text2, "");
    window.setCaption(port::Label::Label2, ScaleResetText);
    window.setCaption(port::Label::Label3, ScaleResetText);
    state.mode = Mode::AwaitBgStart;
    window.setStatusColor(kBlack);
    window.setCaption(port::Label::Label1, MsgBgStart);
}
