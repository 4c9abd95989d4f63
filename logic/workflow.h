#pragma once

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

    void formLoad() { onFormLoad(state_, window_); }
    void option1Click() { onOption1Click(state_, window_); }
    void option2Click() { onOption2Click(state_, window_); }
    void option3Click() { onOption3Click(state_, window_); }
    void text1Change() { onText1Change(state_, window_, locale_); }
    void text2Change() { onText2Change(state_, window_, locale_); }
    void command3Click() { onCommand3Click(state_, window_, locale_); }
    void picture1MouseDown(float x, float y) { onPicture1MouseDown(state_, window_, x, y); }
    void picture1MouseMove(float x) { onPicture1MouseMove(state_, window_, x); }
    void image1MouseDown(float x, float y) { onImage1MouseDown(state_, window_, x, y); }
    void image1MouseMove(float x, float y) { onImage1MouseMove(state_, window_, x, y); }
    void image1MouseUp() { onImage1MouseUp(state_); }

private:
    WorkflowState state_;
    WindowPort& window_;
    const NumberLocale& locale_;
};
