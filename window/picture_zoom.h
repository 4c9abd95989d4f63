#pragma once

#include <QObject>
#include <QPointF>

#include "form_controls.h"

class PictureView;

// How many screen pixels a logical pixel of the picture plane takes: 1 at 100 %. Zoom changes
// what the view shows and how large, never a twip, a stored point or a readout.
class PictureZoom : public QObject {
    Q_OBJECT
public:
    static constexpr double kSmallest = 0.1;
    static constexpr double kLargest = 8.0;

    PictureZoom(PictureView& view, const FormControls& controls);

    double level() const;
    // Keeps the picture point under `anchor` (a viewport point) where it is.
    void setLevel(double level, QPointF anchor);
    // By steps of the usual ladder (10 % ... 800 %), about a viewport point.
    void step(int steps, QPointF anchor);
    void stepAboutCentre(int steps);
    void showActualSize();
    // The whole background box in the view: the largest level up to 100 % that shows it.
    void fitBackground();
    bool backgroundFitsAtActualSize() const;

    // The centre of the part of the background that the view shows, in twips: where a
    // foreground brought into view can be seen and reached.
    QPointF shownBackgroundCentreTwips() const;

signals:
    void levelChanged(double level);

private:
    double fitLevel() const;
    QPointF viewportCentre() const;
    // A point of the view in the background's inner area, in its pixels.
    QPointF onCanvas(QPointF inViewport) const;

    PictureView& view_;
    const FormControls& c_;
};
