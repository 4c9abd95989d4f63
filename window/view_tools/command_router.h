#pragma once

#include <QObject>

#include "view_commands.h"

class ArrangementKeeper;
class ArrangementOutput;
class Furnishing;
class MeasureTool;
class PictureArea;
class Sharpening;
class ViewTools;
class Workflow;

// The commands beyond the described controls, and the one place that decides from the
// workflow's mode which of them apply: the view's always; moving, turning, nudging, removing and
// stepping back not between the presses on the foreground; the next piece while a foreground is
// shown and no press is awaited; nudging with the arrows only while no text box or button takes
// them; measuring once the background has a scale; and the bar not while a press on the picture
// is awaited or a drag goes on; keeping the arrangement once there is a background, opening one
// always, neither during a drag. It also carries out "変  更", after which a foreground resized out
// of reach comes back into view; every change of the arrangement is a step that can be undone.
class CommandRouter : public QObject {
public:
    // What carries out the commands beyond the view and the foreground.
    struct Rooms {
        Furnishing& furnishing;
        ArrangementKeeper& keeper;
        ArrangementOutput& output;
        Sharpening& sharpening;
    };
    CommandRouter(QWidget& window, PictureArea& area, Workflow& workflow, MeasureTool& measure,
                  Rooms rooms);

    const ViewTools& bar() const { return *bar_; }

    void run(ViewCommand command);
    void command3Click();
    // After every event of the workflow: what now applies, and what the bar shows.
    void followWorkflow();

private:
    bool barMayShow() const;
    void carryOut(ViewCommand command);
    void keep(ViewCommand command);
    void addEscapeFromMeasure(QWidget& window);

    PictureArea& area_;
    Workflow& workflow_;
    MeasureTool& measure_;
    Furnishing& furnishing_;
    ArrangementKeeper& keeper_;
    ArrangementOutput& output_;
    Sharpening& sharpening_;
    ViewTools* bar_;
};
