// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>

#include "form_controls.h"
#include "form_record.h"

class QWidget;
class RoomDocument;

// The form's controls as views of the room's form record (and the hidden sizer of its
// picture), and what the user does to them as the room's own input: a length typed, a task
// chosen.
class FormView : public QObject {
public:
    FormView(QWidget& window, const FormControls& controls, RoomDocument& room);

private:
    void show(FormPart part);
    void showEnabled(port::Control control);
    void showSizer();

    QWidget& window_;
    const FormControls& c_;
    RoomDocument& room_;
    QColor statusColor_;  // the status line's own, until the workflow sets one
};

// The room as the window description lays it out, before the window's load event.
struct Room;
Room roomAsDescribed();
