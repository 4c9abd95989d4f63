#pragma once

#include <QFrame>
#include <functional>

#include "view_commands.h"

class QAbstractScrollArea;
class QLabel;

// Each command of the table is an action with its Japanese text, tooltip, shortcut and spoken
// name. The shortcuts work anywhere in the window; the buttons sit in a small bar that
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
};
