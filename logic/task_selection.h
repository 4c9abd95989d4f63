// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_port.h"
#include "workflow_state.h"

// The three task options. Each runs in full on every reported click, also of the option
// that is already selected.
void onOption1Click(WorkflowState& state, WindowPort& window);
void onOption2Click(WorkflowState& state, WindowPort& window);
// Starts a fresh calibration. Emptying the text boxes runs their change handlers nested
// inside, with the mode from before the click; the last two steps overwrite what they show.
void onOption3Click(WorkflowState& state, WindowPort& window);
