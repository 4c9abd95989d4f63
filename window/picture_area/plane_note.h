// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointF>

class PictureArea;

// A short note on the picture plane beside a point of it (a measured length, a warning about a
// tilted line): above the pictures, transparent to the mouse, told to a screen reader whenever
// its text changes, and always inside the part of the plane the view shows.
class PlaneNote : public QLabel {
public:
    // `plane`: the background's inner area, whose origin is the twips' origin.
    PlaneNote(QWidget* plane, const PictureArea& area);

    // Shows the text beside the point, in twips.
    void showAt(const QString& text, QPointF twips);

private:
    void place();

    QPointF anchor_;
    const PictureArea& area_;
};
