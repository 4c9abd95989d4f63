// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointF>
#include <functional>

#include "edge_auto_scroll.h"
#include "second_presses.h"

class MeasureTool;
class PictureArea;
class RoomDocument;

// Every press, move and release on the picture area becomes one call, with the pointer turned
// into twips once, by the picture area: the measure tool's while it is on, else the workflow's
// for the control under the pointer. The second press of a double-click is judged here, and
// while the workflow follows the pointer, a pointer held at an edge of the view scrolls it and
// counts as a move. A drag of the foreground, from its press to its release, is one step of the
// room's history; a double-click on a kept piece, where no press is awaited, chooses it.
class PointerRouter : public QObject {
public:
    enum class Step { Press, Move, Release };

    PointerRouter(PictureArea& area, RoomDocument& room, MeasureTool& measure);
    void onPieceChosen(std::function<void(int piece)> chosen) { pieceChosen_ = std::move(chosen); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void route(Step step, bool onForeground, QPointF inWindow);
    void toWorkflow(Step step, bool onForeground, QPointF inWindow);
    void followScrolledPointer(QPoint global);

    PictureArea& area_;
    RoomDocument& room_;
    MeasureTool& measure_;
    int drag_ = 0;  // the number of the press on the foreground whose moves join one step
    SecondPresses secondPresses_;
    EdgeAutoScroll autoScroll_;
    std::function<void(int piece)> pieceChosen_;
};
