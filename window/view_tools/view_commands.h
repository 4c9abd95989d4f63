#pragma once

#include <QPoint>
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
    Undo,
    Redo,
    NextPiece,
    Remove,
    NudgeLeft,
    NudgeRight,
    NudgeUp,
    NudgeDown,
    Save,
    Open,
    Export,
    Print,
    Copy,
};

bool isOneOf(ViewCommand command, std::initializer_list<ViewCommand> commands);
// A command that is on or off until given again.
bool isSwitch(ViewCommand command);
// A command that moves or turns the foreground.
bool movesForeground(ViewCommand command);
// A command that keeps the arrangement or shows it to others; none of them changes it.
bool keeps(ViewCommand command);
// A command that nudges the foreground, and which way, by a pixel of the plan at 100 %.
bool nudges(ViewCommand command);
QPoint nudgeOf(ViewCommand command);

// One command's whole description.
struct ViewCommandRow {
    ViewCommand command;
    // Of the bar: 0 zoom, 1 see-through and steps back, 2 to 4 only while there is a foreground;
    // a command of no line has its keys alone.
    int line;
    const char* button;  // as the bar shows it
    const char* text;    // its tooltip and spoken name
    std::vector<const char*> shortcuts;
};

// In the order of the bar, left to right: the view's commands, then the foreground's.
std::span<const ViewCommandRow> viewCommands();

// "Ctrl++  拡大" and so on, a line each, for --help.
QString viewShortcutList();
