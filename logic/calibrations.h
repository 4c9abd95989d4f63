// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "messages.h"
#include "window_port.h"
#include "workflow_state.h"

// The two calibrations, background then foreground, as data: what tells one from the other in
// the presses, the measuring line and the distance entry.
struct Calibration {
    Mode awaitingStart;
    Mode awaitingEnd;
    Mode awaitingDistance;
    Mode ready;  // after a good length
    std::int32_t WorkflowState::*startX;
    std::int32_t WorkflowState::*startY;
    std::int32_t WorkflowState::*endX;
    std::int32_t WorkflowState::*endY;
    Currency WorkflowState::*scale;
    double WorkflowState::*exactScale;
    std::optional<port::Control> closedAtStart;  // the length box of the calibration before
    std::string_view endPrompt;
    port::TextBox box;
    port::Control boxControl;
    port::Label readout;
    std::string_view successMessage;
    bool enablesApply;
};

inline constexpr Calibration kBackgroundCalibration{Mode::AwaitBgStart,
                                                    Mode::AwaitBgEnd,
                                                    Mode::AwaitBgDistance,
                                                    Mode::AwaitFgStart,
                                                    &WorkflowState::bgStartX,
                                                    &WorkflowState::bgStartY,
                                                    &WorkflowState::bgEndX,
                                                    &WorkflowState::bgEndY,
                                                    &WorkflowState::bgMmPerUnit,
                                                    &WorkflowState::bgExactMmPerUnit,
                                                    std::nullopt,
                                                    MsgBgEnd,
                                                    port::TextBox::Text1,
                                                    port::Control::Text1,
                                                    port::Label::Label2,
                                                    MsgFgStart,
                                                    false};

inline constexpr Calibration kForegroundCalibration{Mode::AwaitFgStart,
                                                    Mode::AwaitFgEnd,
                                                    Mode::AwaitFgDistance,
                                                    Mode::ReadyToResize,
                                                    &WorkflowState::fgStartX,
                                                    &WorkflowState::fgStartY,
                                                    &WorkflowState::fgEndX,
                                                    &WorkflowState::fgEndY,
                                                    &WorkflowState::fgMmPerUnit,
                                                    &WorkflowState::fgExactMmPerUnit,
                                                    port::Control::Text1,
                                                    MsgFgEnd,
                                                    port::TextBox::Text2,
                                                    port::Control::Text2,
                                                    port::Label::Label3,
                                                    MsgPressChange,
                                                    true};

inline constexpr const Calibration* kCalibrations[] = {&kBackgroundCalibration,
                                                       &kForegroundCalibration};
