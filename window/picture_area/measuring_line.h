// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

#include "plane_zoom.h"
#include "window_port.h"

// A measuring line (red for the calibrations), drawn over everything else in its container and
// transparent to the mouse, so that presses and moves reach the control beneath.
class MeasuringLine : public QWidget {
public:
    // Drawn at the plane's zoom; always one screen pixel wide.
    MeasuringLine(QWidget* container, const PlaneZoom& zoom, QColor colour = QColor(255, 0, 0));

    const LineEnds& ends() const { return ends_; }
    void setEnds(const LineEnds& ends);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect pixelBounds() const;

    QColor colour_;
    LineEnds ends_;
    const PlaneZoom& zoom_;
};
