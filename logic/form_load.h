// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_port.h"
#include "workflow_state.h"

// Runs once before the window is first shown.
void onFormLoad(WorkflowState& state, WindowPort& window);
