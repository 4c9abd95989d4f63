// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>

#include "distance_entry.h"
#include "foreground_resize.h"
#include "form_load.h"
#include "kept_calibrations.h"
#include "next_piece.h"
#include "pointer_handling.h"
#include "task_selection.h"

// The window's one workflow record and the events that drive it, one call per event.
class Workflow {
public:
    Workflow(WindowPort& window, const NumberLocale& locale) : window_(window), locale_(locale) {}

    const WorkflowState& state() const { return state_; }
    // Told after every event but a pointer's move (which changes neither the mode nor a scale),
    // so that what follows from the state can be shown.
    void setAfterEachEvent(std::function<void()> after) { after_ = std::move(after); }

    void formLoad() { handle(onFormLoad, window_); }
    void option1Click() { handle(onOption1Click, window_); }
    void option2Click() { handle(onOption2Click, window_); }
    void option3Click() { handle(onOption3Click, window_); }
    void text1Change() { handle(onText1Change, window_, locale_); }
    void text2Change() { handle(onText2Change, window_, locale_); }
    void command3Click() { handle(onCommand3Click, window_, locale_); }
    void picture1MouseDown(float x, float y) { handle(onPicture1MouseDown, window_, x, y); }
    void picture1MouseMove(float x, float y) { onPicture1MouseMove(state_, window_, x, y); }
    void image1MouseDown(float x, float y) { handle(onImage1MouseDown, window_, x, y); }
    void image1MouseMove(float x, float y) { onImage1MouseMove(state_, window_, x, y); }
    void image1MouseUp() { handle(onImage1MouseUp); }
    void measureAlongLineToggle() { handle(onMeasureAlongLineToggle, window_, locale_); }
    void nextPiece() { handle(onNextPiece, window_); }
    void openArrangement(const KeptCalibrations& kept) {
        handle(onArrangementOpened, window_, locale_, kept);
    }
    void drawingScale(std::int32_t n, double mmPerTwip) {
        handle(onDrawingScale, window_, locale_, n, mmPerTwip);
    }

    // Takes the record back to one it held before; whoever takes it back restores the window
    // with it.
    void restore(const WorkflowState& state) {
        state_ = state;
        if (after_) after_();
    }

    // What an arrangement file keeps of the workflow.
    KeptCalibrations keptCalibrations() const {
        return ::keptCalibrations(state_, window_, locale_);
    }

private:
    template <typename Handler, typename... Arguments>
    void handle(Handler handler, Arguments&&... arguments) {
        handler(state_, std::forward<Arguments>(arguments)...);
        if (after_) after_();
    }

    WorkflowState state_;
    WindowPort& window_;
    const NumberLocale& locale_;
    std::function<void()> after_;
};
