// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

struct PlacedPicture;
class PictureArea;
class PictureOpener;
class QWidget;
class RoomDocument;

// A room furnished piece by piece: the foreground kept on the plan as a piece before the next
// one is opened, a piece made the foreground again, a piece or the foreground taken away, the
// foreground nudged. Each is a change of the room's furniture, made a step by whoever runs it.
class Furnishing {
public:
    Furnishing(QWidget& window, PictureArea& area, PictureOpener& opener, RoomDocument& room)
        : window_(window), area_(area), opener_(opener), room_(room) {}

    // Keeps the foreground where it is as a piece, and opens the next foreground as the second
    // task would; the plan's scale stays and the new foreground's start press is awaited. A
    // cancelled dialog or an unreadable file changes nothing.
    void nextPiece();
    // The piece becomes the foreground, from its file's own pixels again where it kept fewer;
    // the foreground becomes a piece in its place.
    void makeCurrent(int piece);
    // The foreground's own calibration begun anew, the plan's scale kept: its start press awaited.
    void calibrateAgain();
    // The foreground if the pointer is over it or over no piece, else the piece under it.
    void removeUnderPointer();
    // By whole pixels of the plan at 100 %.
    void nudge(int right, int down);

private:
    QWidget& window_;
    PictureArea& area_;
    PictureOpener& opener_;
    RoomDocument& room_;
};
