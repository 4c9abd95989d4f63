// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_port.h"
#include "workflow_state.h"

// The next piece of furniture: the plan keeps its scale and its readout, the new foreground's
// scale starts afresh, and its start press is awaited. Without a plan scale yet, it is a fresh
// calibration, as the third option starts one.
void onNextPiece(WorkflowState& state, WindowPort& window);
