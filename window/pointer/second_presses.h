// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QtGlobal>

class QMouseEvent;

// Keeps the second press of a double-click from recording a second calibration point at the
// place of the first. A mouse's second press reaches a widget as a double-click event alone;
// events made by hand may bring a press before it. Either way the second press counts once,
// as a press, everywhere but where it would record a point (a quick press that begins a drag
// is a press like any other). One judge hears the whole picture area, as a double-click may
// begin on the background and end on the foreground.
class SecondPresses {
public:
    // Whether a press, or a double-click event standing for one, counts as a press.
    // `wouldRecordPoint`: whether a press now would record a calibration point.
    bool counts(const QMouseEvent& press, bool wouldRecordPoint);

private:
    bool isSecondPress(const QMouseEvent& press);

    bool armed_ = false;  // the last press may be completed to a double-click
    quint64 time_ = 0;
    Qt::MouseButton button_ = Qt::NoButton;
    QPointF where_;
};
