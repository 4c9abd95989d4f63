#pragma once

#include <QImage>
#include <QString>

#include "twip_rect.h"

// The largest zoom the view takes: no picture on the plan needs more pixels than it shows there.
inline constexpr double kLargestZoomLevel = 8.0;

// A picture as it lies on the plan (the foreground, or a piece kept beside it): all it takes to
// show it again exactly, and the file to read it from again. A piece of an opened arrangement
// that was not read has no picture: it is kept where it lies in the stack, shown nowhere.
struct PlacedPicture {
    QImage picture;
    bool onWhitePaper = false;
    TwipRect twips;
    int degrees = 0;  // drawn turned about its centre, clockwise, -179 to 180
    double opacity = 1.0;
    QString file;
    int quarterTurns = 0;  // clockwise, of the file's picture
    bool reduced = false;  // fewer pixels than the file's
    QSize filePixels;      // the file's picture as read, upright; invalid where not known

    // Pixels compare by identity: a picture shared is the same picture.
    friend bool operator==(const PlacedPicture& a, const PlacedPicture& b) {
        return a.picture.cacheKey() == b.picture.cacheKey() && a.onWhitePaper == b.onWhitePaper &&
               a.twips == b.twips && a.degrees == b.degrees && a.opacity == b.opacity &&
               a.file == b.file && a.quarterTurns == b.quarterTurns && a.reduced == b.reduced &&
               a.filePixels == b.filePixels;
    }
};

// The picture with no more pixels than its rectangle can show at the largest zoom: what a piece,
// or a foreground kept for a step back, needs to hold.
PlacedPicture reducedForPlan(PlacedPicture placed);

// The picture turned clockwise by quarters, as a picture of the file is kept turned.
QImage turnedByQuarters(const QImage& picture, int quarterTurns);
