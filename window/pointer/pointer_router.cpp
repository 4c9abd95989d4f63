#include "pointer_router.h"

#include <QMouseEvent>
#include <optional>

#include "arrangement_history.h"
#include "measure_tool.h"
#include "picture_area.h"
#include "picture_box.h"
#include "picture_view.h"
#include "stretch_image.h"
#include "workflow.h"

PointerRouter::PointerRouter(PictureArea& area, Workflow& workflow, MeasureTool& measure)
    : area_(area),
      workflow_(workflow),
      measure_(measure),
      autoScroll_(area.view(), [&workflow] { return followsPointer(workflow.state()); }) {
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
    const bool awaited = awaitsPoint(workflow_.state());
    if (event->type() == QEvent::MouseButtonDblClick && !onForeground && !awaited &&
        !measure_.isOn() && foregroundMayMove(workflow_.state()) && pieceChosen_) {
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
    ArrangementHistory& history = area_.history();
    if (step == Step::Release) {
        if (onForeground) workflow_.image1MouseUp();
        if (workflow_.state().dragging != kFlagTrue) history.endChange();
        return;
    }
    if (step == Step::Press && onForeground) history.beginChange();
    const QPointF at =
        onForeground ? area_.foregroundTwipsAt(inWindow) : area_.backgroundTwipsAt(inWindow);
    const float x = float(at.x());
    const float y = float(at.y());
    if (onForeground) {
        step == Step::Press ? workflow_.image1MouseDown(x, y) : workflow_.image1MouseMove(x, y);
    } else {
        step == Step::Press ? workflow_.picture1MouseDown(x, y) : workflow_.picture1MouseMove(x, y);
    }
}

// The view scrolled under a pointer that stayed put: the drag or the line goes on as if the
// pointer moved.
void PointerRouter::followScrolledPointer(QPoint global) {
    const QPointF inWindow = area_.view().window()->mapFromGlobal(QPointF(global));
    route(Step::Move, workflow_.state().dragging == kFlagTrue, inWindow);
}
