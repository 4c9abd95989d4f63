// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_port.h"
#include "workflow_state.h"

// Presses and moves on the picture area. Coordinates are twips relative to the control that
// reports them: the background box's inner corner, or the foreground image's own corner.
void onPicture1MouseDown(WorkflowState& state, WindowPort& window, float x, float y);
// The height of a move counts only while calibrations measure along the line.
void onPicture1MouseMove(WorkflowState& state, WindowPort& window, float x, float y);
void onImage1MouseDown(WorkflowState& state, WindowPort& window, float x, float y);
void onImage1MouseMove(WorkflowState& state, WindowPort& window, float x, float y);
void onImage1MouseUp(WorkflowState& state);

// A press on the picture area now records a calibration point.
bool awaitsPoint(const WorkflowState& state);

// The pointer is being followed: the foreground is dragged, or a calibration awaits the press
// that ends it.
bool followsPointer(const WorkflowState& state);

// Nothing may move or turn the foreground between the two presses on it: the end press would
// land on a moved picture.
bool foregroundMayMove(const WorkflowState& state);
