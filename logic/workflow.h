#pragma once

#include <functional>
#include <utility>

#include "distance_entry.h"
#include "foreground_resize.h"
#include "form_load.h"
#include "pointer_handling.h"
#include "task_selection.h"

// The window's one workflow record and the events that drive it, one call per event.
class Workflow {
public:
    Workflow(WindowPort& window, const NumberLocale& locale) : window_(window), locale_(locale) {}

    const WorkflowState& state() const { return state_; }
    // Told after every event, so that what follows from the state can be shown.
    void setAfterEachEvent(std::function<void()> after) { after_ = std::move(after); }

    void formLoad() {
        onFormLoad(state_, window_);
        handled();
    }
    void option1Click() {
        onOption1Click(state_, window_);
        handled();
    }
    void option2Click() {
        onOption2Click(state_, window_);
        handled();
    }
    void option3Click() {
        onOption3Click(state_, window_);
        handled();
    }
    void text1Change() {
        onText1Change(state_, window_, locale_);
        handled();
    }
    void text2Change() {
        onText2Change(state_, window_, locale_);
        handled();
    }
    void command3Click() {
        onCommand3Click(state_, window_, locale_);
        handled();
    }
    void picture1MouseDown(float x, float y) {
        onPicture1MouseDown(state_, window_, x, y);
        handled();
    }
    void picture1MouseMove(float x, float y) {
        onPicture1MouseMove(state_, window_, x, y);
        handled();
    }
    void image1MouseDown(float x, float y) {
        onImage1MouseDown(state_, window_, x, y);
        handled();
    }
    void image1MouseMove(float x, float y) {
        onImage1MouseMove(state_, window_, x, y);
        handled();
    }
    void image1MouseUp() {
        onImage1MouseUp(state_);
        handled();
    }
    void measureAlongLineToggle() {
        onMeasureAlongLineToggle(state_, window_, locale_);
        handled();
    }

private:
    void handled() {
        if (after_) after_();
    }

    WorkflowState state_;
    WindowPort& window_;
    const NumberLocale& locale_;
    std::function<void()> after_;
};
