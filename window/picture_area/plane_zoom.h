// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>

#include "twips.h"

// How many screen pixels a logical pixel of the picture plane takes: 1 at 100 %. The picture
// area alone changes it; the plane's controls read it to place and paint themselves, and follow
// it when it changes. Zoom changes what is shown and how large, never a twip.
class PlaneZoom : public QObject {
    Q_OBJECT
public:
    double level() const { return level_; }

    // Between twips of the plane and screen pixels from the same origin.
    QPoint pixelsAt(QPointF twips) const {
        return {toPixels(twips.x() * level_), toPixels(twips.y() * level_)};
    }
    QRect pixelRect(const TwipRect& twips) const { return toPixelRect(twips, level_); }
    QPointF twipsAt(QPointF pixels) const { return toTwips(pixels) / level_; }

signals:
    void changed();

private:
    friend class PictureArea;  // the one owner
    void setLevel(double level) {
        level_ = level;
        emit changed();
    }

    double level_ = 1.0;
};
