// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What the workflow may do to the window, named after the controls it touches. The window
// implements it with widgets; the logic tests implement it with a recorder.

// The controls and extents the port names, apart from the window's own kinds of control.
namespace port {
enum class TextBox { Text1, Text2 };
enum class Label { Label1, Label2, Label3 };
enum class Control { Command1, Command2, Command3, Frame2, Text1, Text2 };
enum class Extent { Left, Top, Width, Height };
}  // namespace port

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

// End points of the measuring line, in the background box's twips.
struct LineEnds {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    friend constexpr bool operator==(const LineEnds&, const LineEnds&) = default;
};
inline constexpr LineEnds kCollapsedLine{};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    virtual void setTitle(std::string_view title) = 0;
    virtual std::string text(port::TextBox box) const = 0;
    // Raises the box's change event at once when the text changes.
    virtual void setText(port::TextBox box, std::string_view text) = 0;
    virtual void setCaption(port::Label label, std::string_view caption) = 0;
    virtual void setStatusColor(Rgb color) = 0;
    virtual void setEnabled(port::Control control, bool enabled) = 0;
    virtual void giveFocus(port::TextBox box) = 0;
    virtual void setLine(const LineEnds& ends) = 0;
    // The foreground image's place and size, single-precision twips, read back as set.
    virtual float foreground(port::Extent extent) const = 0;
    virtual void setForeground(port::Extent extent, float twips) = 0;
};

// The largest width or height a control can take: 16777215 pixels of 15 twips.
inline constexpr double kLargestControlExtent = 16777215.0 * 15.0;
