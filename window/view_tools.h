#pragma once

#include <QFrame>

class QAbstractScrollArea;
class QLabel;

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

// Each command is an action with its Japanese text, tooltip, shortcut and spoken name, set in
// one table. The shortcuts work anywhere in the window; the buttons sit in a small bar that
// floats in the top-right corner of the picture view while the pointer is over the view, so
// that at rest the window shows nothing but its described controls. The buttons never take
// the focus from a text box.
class ViewTools : public QFrame {
    Q_OBJECT
public:
    ViewTools(QWidget& window, QAbstractScrollArea& view);

    // The levels the bar shows, as fractions (1 is 100 %).
    void showLevels(double zoom, double opacity);

    // "Ctrl++ 拡大" and so on, a line each, for --help.
    static QString shortcutList();

signals:
    void triggered(ViewCommand command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeInCorner();

    QAbstractScrollArea& view_;
    QLabel* zoomLevel_;
    QLabel* opacityLevel_;
};
