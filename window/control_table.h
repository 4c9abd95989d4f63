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
};

inline constexpr std::string_view kFormName = "Form1";
inline constexpr int kFormClientWidth = 9585;
inline constexpr int kFormClientHeight = 7050;

extern const std::array<ControlRow, 20> kControlTable;

// The row of a control named in the table.
const ControlRow& controlRow(std::string_view name);
