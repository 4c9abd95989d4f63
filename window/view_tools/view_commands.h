#pragma once

#include <QString>
#include <initializer_list>
#include <span>
#include <vector>

// The commands of the view and of the foreground beyond the window's described controls.
enum class ViewCommand {
    ZoomOut,
    ZoomIn,
    ActualSize,
    Fit,
    Fainter,
    Stronger,
    TurnLeft,
    TurnRight,
    TurnLeftDegree,
    TurnRightDegree,
    Centre,
    MeasureAlongLine,
    Measure,
};

bool isOneOf(ViewCommand command, std::initializer_list<ViewCommand> commands);
// A command that is on or off until given again.
bool isSwitch(ViewCommand command);
// A command that moves or turns the foreground.
bool movesForeground(ViewCommand command);

// One command's whole description.
struct ViewCommandRow {
    ViewCommand command;
    int line;  // of the bar: 0 zoom, 1 see-through, 2 and 3 only while there is a foreground
    const char* button;  // as the bar shows it
    const char* text;    // its tooltip and spoken name
    std::vector<const char*> shortcuts;
};

// In the order of the bar, left to right: the view's commands, then the foreground's.
std::span<const ViewCommandRow> viewCommands();

// "Ctrl++  拡大" and so on, a line each, for --help.
QString viewShortcutList();
