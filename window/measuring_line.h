#pragma once

#include <QColor>
#include <QWidget>

#include "window_port.h"

// A measuring line (red for the calibrations), drawn over everything else in its container and
// transparent to the mouse, so that presses and moves reach the control beneath.
class MeasuringLine : public QWidget {
public:
    explicit MeasuringLine(QWidget* container, QColor colour = QColor(255, 0, 0));

    const LineEnds& ends() const { return ends_; }
    void setEnds(const LineEnds& ends);
    // Drawn at the zoom of the picture plane; always one screen pixel wide.
    void setZoom(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect pixelBounds() const;
    QPoint pixelAt(float x, float y) const;

    QColor colour_;
    LineEnds ends_;
    double zoom_ = 1.0;
};
