// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>
#include <vector>

class ArrangementKeeper;
class ArrangementOutput;
class Furnishing;
class MeasureTool;
class PictureArea;
class PlanScale;
class RoomDocument;

// The commands beyond the window's described controls: the view's, the foreground's, the
// furniture's and keeping the room.
enum class Command {
    ZoomOut,
    ZoomIn,
    ActualSize,
    Fit,
    DrawingScale,
    Fainter,
    Stronger,
    TurnLeft,
    TurnRight,
    TurnLeftDegree,
    TurnRightDegree,
    Centre,
    MeasureAlongLine,
    Measure,
    CalibrateAgain,
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

// What a command needs to apply; while any is missing it is disabled and does nothing.
namespace need {
inline constexpr unsigned kPlan = 1 << 0;               // a background is shown
inline constexpr unsigned kForeground = 1 << 1;         // a foreground picture is shown
inline constexpr unsigned kSomethingToRemove = 1 << 2;  // a foreground or a piece
// Not between the two presses on the foreground: the end press would land on a moved picture.
inline constexpr unsigned kForegroundStill = 1 << 3;
inline constexpr unsigned kNotDragging = 1 << 4;
inline constexpr unsigned kNoPressAwaited = 1 << 5;
inline constexpr unsigned kArrowsFree = 1 << 6;  // no text box or button takes the arrows
inline constexpr unsigned kPlanScale = 1 << 7;   // the background has a scale
inline constexpr unsigned kStepBack = 1 << 8;
inline constexpr unsigned kStepForth = 1 << 9;
// Not a condition but a wait: pictures still being read are made whole first, since the
// command takes pixels (turns them, copies them, keeps them as a piece or a step, writes them).
inline constexpr unsigned kWholePixels = 1 << 10;
}  // namespace need

// What the commands act on.
struct CommandRooms {
    RoomDocument& room;
    PictureArea& area;
    Furnishing& furnishing;
    ArrangementKeeper& keeper;
    ArrangementOutput& output;
    MeasureTool& measure;
    PlanScale& planScale;
};

// One command's whole description: how it is shown and given, when it applies, what it does.
struct CommandRow {
    Command command;
    // Of the bar: 0 zoom, 1 see-through and steps back, 2 to 4 only while there is a foreground;
    // a command of no line has its keys alone.
    int line;
    const char* button;  // as the bar shows it
    const char* text;    // its tooltip and spoken name
    std::vector<const char*> shortcuts;
    unsigned needs;
    void (*run)(CommandRooms& rooms);
    // A switch, on or off until given again: whether it is on. None for a command done at once.
    bool (*isOn)(const CommandRooms& rooms) = nullptr;
};

// In the order of the bar, left to right: the view's commands, then the foreground's.
std::span<const CommandRow> commandTable();
const CommandRow& commandRow(Command command);

// "Ctrl++  拡大" and so on, a line each, for --help.
QString shortcutList();
