// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointer_router.h"

#include <QMouseEvent>
#include <optional>

#include "measure_tool.h"
#include "picture_area.h"
#include "picture_box.h"
#include "picture_view.h"
#include "room_document.h"
#include "stretch_image.h"

PointerRouter::PointerRouter(PictureArea& area, RoomDocument& room, MeasureTool& measure)
    : area_(area),
      room_(room),
      measure_(measure),
      autoScroll_(area.view(), [&room] { return followsPointer(room.state()); }) {
    // Presses on the background's inner area and on the lines and notes above it fall through
    // to the box; the foreground keeps its own.
    area.background().installEventFilter(this);
    area.foreground().installEventFilter(this);
    connect(&autoScroll_, &EdgeAutoScroll::scrolledUnderPointer, this,
            &PointerRouter::followScrolledPointer);
}

namespace {

// What a mouse event is to the picture: a double-click stands for the press it completes.
std::optional<PointerRouter::Step> stepOf(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return PointerRouter::Step::Press;
        case QEvent::MouseMove:
            return PointerRouter::Step::Move;
        case QEvent::MouseButtonRelease:
            return PointerRouter::Step::Release;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool PointerRouter::eventFilter(QObject* watched, QEvent* event) {
    const bool onForeground = watched == &area_.foreground();
    if (!onForeground && watched != &area_.background()) return false;
    const std::optional<Step> step = stepOf(event->type());
    if (!step) return false;
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const bool awaited = awaitsPoint(room_.state());
    if (event->type() == QEvent::MouseButtonDblClick && !onForeground && !awaited &&
        !measure_.isOn() && foregroundMayMove(room_.state()) && pieceChosen_) {
        const QPointF at = area_.backgroundTwipsAt(mouse.scenePosition());
        if (const std::optional<int> piece = area_.pieces().at(at)) {
            pieceChosen_(*piece);
            return true;
        }
    }
    if (*step != Step::Press || secondPresses_.counts(mouse, awaited)) {
        route(*step, onForeground, mouse.scenePosition());
    }
    return true;
}

void PointerRouter::route(Step step, bool onForeground, QPointF inWindow) {
    if (!measure_.isOn()) {
        toWorkflow(step, onForeground, inWindow);
        return;
    }
    const QPointF at = area_.backgroundTwipsAt(inWindow);
    if (step == Step::Press) measure_.press(at);
    if (step == Step::Move) measure_.move(at);
    if (step == Step::Release) measure_.release(at);
}

void PointerRouter::toWorkflow(Step step, bool onForeground, QPointF inWindow) {
    if (step == Step::Press && onForeground) ++drag_;
    room_.step({QStringLiteral("前景画像を動かす"), false, drag_}, [&] {
        Workflow& workflow = room_.workflow();
        if (step == Step::Release) {
            if (onForeground) workflow.image1MouseUp();
            return;
        }
        const QPointF at =
            onForeground ? area_.foregroundTwipsAt(inWindow) : area_.backgroundTwipsAt(inWindow);
        const float x = float(at.x());
        const float y = float(at.y());
        if (onForeground) {
            step == Step::Press ? workflow.image1MouseDown(x, y) : workflow.image1MouseMove(x, y);
        } else {
            step == Step::Press ? workflow.picture1MouseDown(x, y)
                                : workflow.picture1MouseMove(x, y);
        }
    });
}

// The view scrolled under a pointer that stayed put: the drag or the line goes on as if the
// pointer moved.
void PointerRouter::followScrolledPointer(QPoint global) {
    const QPointF inWindow = area_.view().window()->mapFromGlobal(QPointF(global));
    route(Step::Move, room_.state().dragging == kFlagTrue, inWindow);
}
