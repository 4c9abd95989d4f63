#pragma once

#include <QFrame>
#include <functional>
#include <map>

#include "view_commands.h"

class QAbstractScrollArea;
class QAction;
class QLabel;

// Each command of the table is an action with its Japanese text, tooltip, shortcut and spoken
// name. The shortcuts work anywhere in the window; the buttons sit in a small bar (the view's
// commands above, the foreground's below while there is one) that
// floats in the top-right corner of the picture view while the pointer is over the view, so
// that at rest the window shows nothing but its described controls. The buttons never take
// the focus from a text box, and the bar keeps away while a press on the picture is awaited.
class ViewTools : public QFrame {
    Q_OBJECT
public:
    // `mayShow`: whether no press on the picture is awaited (no calibration point, no drag).
    ViewTools(QWidget& window, QAbstractScrollArea& view, std::function<bool()> mayShow);

    // The levels the bar shows, as fractions (1 is 100 %).
    void showLevels(double zoom, double opacity);
    // The foreground's commands, shown while it holds a picture, with its turn beyond quarter
    // turns and its size in millimetres ("" if unknown).
    void showForeground(bool shown, int degrees, const QString& size);

    // The command's action: its shortcut, enabled state and, for a switch, whether it is on.
    QAction& action(ViewCommand command) const { return *actions_.at(command); }

signals:
    void triggered(ViewCommand command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeInCorner();

    QAbstractScrollArea& view_;
    std::function<bool()> mayShow_;
    QLabel* zoomLevel_;
    QLabel* opacityLevel_;
    QWidget* foregroundRow_;
    QLabel* angle_;
    QLabel* size_;
    std::map<ViewCommand, QAction*> actions_;
};
