// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "window_port.h"

// What the workflow has shown in the form through its port, and what the user has typed and
// chosen there: the form's controls show it, and nothing reads them to learn it. The foreground's
// place and size, which the port also reads and sets, are the furniture's.
struct FormRecord {
    std::string title;
    std::array<std::string, 2> texts;     // Text1, Text2: the lengths as typed
    std::array<std::string, 3> captions;  // Label1, Label2, Label3
    std::optional<Rgb> statusColor;       // Label1's text colour; none: the label's own
    std::array<bool, 6> enabled{};        // by port::Control
    int task = 1;                         // the option chosen, 1 to 3
    LineEnds line;

    bool isEnabled(port::Control control) const { return enabled[std::size_t(control)]; }
    const std::string& text(port::TextBox box) const { return texts[std::size_t(box)]; }
    friend bool operator==(const FormRecord&, const FormRecord&) = default;
};

// A part of the form that changed; each control's enabled state is told apart.
enum class FormPart { Title, Text1, Text2, Label1, Label2, Label3, StatusColor, Task, Line };
