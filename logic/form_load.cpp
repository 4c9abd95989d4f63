// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_load.h"

#include "messages.h"

void onFormLoad(WorkflowState& state, WindowPort& window) {
    window.setTitle(kWindowTitle);
    state.mode = Mode::Idle;
    window.setLine(kCollapsedLine);
    // The label keeps its initial colour here; only workflow steps set black or red.
    window.setCaption(port::Label::Label1, MsgOpenPrompt);
}
