// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "currency.h"
#include "number_locale.h"
#include "window_port.h"
#include "workflow_state.h"

// Every change of a distance box turns its text into a scale (millimetres per twip), or
// reports an input error in red and keeps the last good scale.
void onText1Change(WorkflowState& state, WindowPort& window, const NumberLocale& locale);
void onText2Change(WorkflowState& state, WindowPort& window, const NumberLocale& locale);

// Switches between measuring the level distance between a calibration's presses (the
// default) and the whole length of the line between them.
void onMeasureAlongLineToggle(WorkflowState& state, WindowPort& window, const NumberLocale& locale);

// "1pixel=0.5mm": a scale as its readout shows it.
std::string readoutText(Currency scale, std::string_view decimalSeparator);
