// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "command_table.h"

class CommandBar;
class PictureStatus;
class QWidget;

// Runs the commands of the table and keeps them enabled where they apply: the one place that
// decides, from the room and the workflow's mode, what each command needs, a loop over the
// table. Every command runs as a step of the room, which makes it one step of the history where
// it changes the furniture. It also carries out "変  更", after which a foreground resized out
// of reach comes back into view, and the choice of a kept piece.
class CommandRouter : public QObject {
public:
    CommandRouter(QWidget& window, CommandRooms rooms);

    const CommandBar& bar() const { return *bar_; }
    const PictureStatus& status() const { return *status_; }

    void run(Command command);
    void command3Click();
    void choosePiece(int piece);
    // After every event of the workflow and every change of the room: what now applies, and
    // what the bar shows.
    void followWorkflow();
    // Says for a moment, on the picture, what was just done.
    void tell(const QString& done);

private:
    bool holds(unsigned needs) const;
    bool barMayShow() const;
    void addEscapeFromMeasure(QWidget& window);

    CommandRooms rooms_;
    CommandBar* bar_;
    PictureStatus* status_;
};
