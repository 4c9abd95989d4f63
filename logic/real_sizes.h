// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workflow_state.h"

// Millimetres a twip of the background stands for, once a length has been typed for it (until
// a new calibration starts). Empty for a scale that is not a positive number.
std::optional<double> backgroundMmPerTwip(const WorkflowState& state);

// Millimetres a twip of the foreground as shown stands for, once both scales are known: its
// own calibration's, and after the resize the background's.
std::optional<double> foregroundMmPerTwip(const WorkflowState& state);

// "2140 × 950 mm": whole millimetres.
std::string sizeText(double widthMm, double heightMm);
// "2139.6 mm": tenths of a millimetre.
std::string lengthText(double mm, std::string_view decimalSeparator);
