// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QTimer>
#include <functional>
#include <map>

#include "command_table.h"

class QAbstractScrollArea;
class QAction;
class QLabel;

// Each command of the table is an action with its Japanese text, tooltip, shortcut and spoken
// name. The shortcuts work anywhere in the window. The buttons sit in a small bar in the top
// right corner of the picture view. At rest the window shows nothing but its described
// controls: the bar comes only once the pointer has rested in that corner for a moment, with a
// picture open and no press on the picture awaited, so that a press meant for the picture there
// reaches it. It goes as soon as a press on the picture is awaited or the pointer leaves it.
// The buttons never take the focus from a text box.
class CommandBar : public QFrame {
    Q_OBJECT
public:
    // `mayShow`: whether a picture is open and no press on the picture is awaited.
    CommandBar(QWidget& window, QAbstractScrollArea& view, std::function<bool()> mayShow);

    // The levels the bar shows, as fractions (1 is 100 %).
    void showLevels(double zoom, double opacity);
    // The foreground's lines, shown while it holds a picture, with its turn beyond quarter
    // turns and its size in millimetres ("" if unknown).
    void showForeground(bool shown, int degrees, const QString& size);
    // After every event of the workflow: a press that is now awaited takes the bar away.
    void followWorkflow();

    // The command's action: its shortcut, enabled state and, for a switch, whether it is on.
    QAction& action(Command command) const { return *actions_.at(command); }

signals:
    void triggered(Command command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* addLine(int line);
    QRect cornerPlace() const;
    void placeInCorner();
    void watchPointer();

    QAbstractScrollArea& view_;
    std::function<bool()> mayShow_;
    QTimer watching_;  // while the pointer is over the view
    int restedMilliseconds_ = 0;
    std::map<int, QWidget*> lines_;
    QLabel* zoomLevel_;
    QLabel* opacityLevel_;
    QLabel* angle_;
    QLabel* size_;
    std::map<Command, QAction*> actions_;
};
