// SPDX-License-Identifier: GPL-3.0-or-later
#include "next_piece.h"

#include "messages.h"
#include "task_selection.h"

void onNextPiece(WorkflowState& state, WindowPort& window) {
    if (state.bgExactMmPerUnit == 0) {
        onOption3Click(state, window);
        return;
    }
    // The mode first: emptying the foreground's length box then changes nothing else.
    state.mode = Mode::AwaitFgStart;
    state.fgMmPerUnit = Currency();
    state.fgExactMmPerUnit = 0;
    state.fgResized = false;
    window.setEnabled(port::Control::Command1, false);
    window.setEnabled(port::Control::Command2, false);
    window.setEnabled(port::Control::Frame2, true);
    window.setEnabled(port::Control::Command3, false);
    window.setEnabled(port::Control::Text2, false);
    window.setLine(kCollapsedLine);
    window.setText(port::TextBox::Text2, "");
    window.setCaption(port::Label::Label3, ScaleResetText);
    window.setStatusColor(kBlack);
    window.setCaption(port::Label::Label1, MsgFgStart);
}
