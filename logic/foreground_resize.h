// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "number_locale.h"
#include "window_port.h"
#include "workflow_state.h"

// The apply button: scales the foreground by the ratio of the two scales, as typed and measured,
// and reports the percentage. A ratio that gives no size the foreground can take leaves it as it
// was and says so in red.
void onCommand3Click(WorkflowState& state, WindowPort& window, const NumberLocale& locale);

// "125％ 拡大しました": the percentage the two scales resize the foreground by, once both are
// known and give one.
std::optional<std::string> resizedMessage(const WorkflowState& state, const NumberLocale& locale);
