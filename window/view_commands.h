#pragma once

#include <QString>
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
    Centre
};

// One command's whole description.
struct ViewCommandRow {
    ViewCommand command;
    const char* button;  // as the bar shows it
    const char* text;    // its tooltip and spoken name
    std::vector<const char*> shortcuts;
};

// In the order of the bar, left to right.
std::span<const ViewCommandRow> viewCommands();

// "Ctrl++  拡大" and so on, a line each, for --help.
QString viewShortcutList();
