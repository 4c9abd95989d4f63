// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The window description: one row per control, in its order (within a container, frontmost
// first). Places and sizes are twips relative to the container's client area.

enum class ControlKind {
    Frame,
    OptionButton,
    PushButton,
    TextBox,
    Label,
    PictureBox,
    FileDialog,
    Line,
    Image
};
enum class Initially { Plain, Enabled, Disabled, Selected, NotSelected, Hidden };
// Readouts are centred, in the colours of an input field.
enum class Look { Plain, Readout };
// The background box lies on the picture plane, which scrolls, rather than in its container.
enum class Placement { InContainer, OnPicturePlane };

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view container;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;  // -1: not in the tab order
    std::string_view text;
    Initially initially;
    // What a screen reader says, where the visible text says too little or nothing; empty:
    // the control is read by what it shows.
    std::string_view spokenName;
    Look look;
    Placement placement;
};

inline constexpr std::string_view kFormName = "Form1";
inline constexpr int kFormClientWidth = 9585;
inline constexpr int kFormClientHeight = 7050;

extern const std::array<ControlRow, 20> kControlTable;

// The row of a control named in the table.
const ControlRow& controlRow(std::string_view name);
