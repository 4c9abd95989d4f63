// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointF>

#include "plane_zoom.h"

// A short note on the picture plane beside a point of it (a measured length, a warning about a
// tilted line): above the pictures, transparent to the mouse, and told to a screen reader
// whenever its text changes.
class PlaneNote : public QLabel {
public:
    // `plane`: the background's inner area, whose origin is the twips' origin.
    PlaneNote(QWidget* plane, const PlaneZoom& zoom);

    // Shows the text beside the point, in twips.
    void showAt(const QString& text, QPointF twips);

private:
    void place();

    QPointF anchor_;
    const PlaneZoom& zoom_;
};
