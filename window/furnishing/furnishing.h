#pragma once

#include <QPointF>

struct PlacedPicture;
class PictureArea;
class PictureOpener;
class QAbstractButton;
class QWidget;
class Workflow;

// A room furnished piece by piece: the foreground kept on the plan as a piece before the next
// one is opened, a piece made the foreground again, a piece or the foreground taken away, the
// foreground nudged. Each is a step of the arrangement that can be taken back: the next piece and
// a piece made current make their own; the commands that remove and nudge are made steps by
// the command router, as every command is.
class Furnishing {
public:
    // `option3`: the third task's option, which the next piece's calibration belongs to.
    Furnishing(QWidget& window, PictureArea& area, PictureOpener& opener, Workflow& workflow,
               QAbstractButton& option3)
        : window_(window), area_(area), opener_(opener), workflow_(workflow), option3_(option3) {}

    // Whether the foreground shows a picture.
    bool hasForeground() const;

    // Keeps the foreground where it is as a piece, and opens the next foreground as the second
    // task would; the plan's scale stays and the new foreground's start press is awaited. A
    // cancelled dialog or an unreadable file changes nothing.
    void nextPiece();
    // The piece becomes the foreground, from its file's own pixels again where it kept fewer;
    // the foreground becomes a piece in its place.
    void makeCurrent(int piece);
    // The foreground if the pointer is over it or over no piece, else the piece under it.
    void removeUnderPointer();
    // By whole pixels of the plan at 100 %.
    void nudge(int right, int down);

private:
    void readAgain(const PlacedPicture& piece);

    QWidget& window_;
    PictureArea& area_;
    PictureOpener& opener_;
    Workflow& workflow_;
    QAbstractButton& option3_;
};
