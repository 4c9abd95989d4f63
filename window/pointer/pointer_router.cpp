#include "pointer_router.h"

#include <QMouseEvent>

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

bool PointerRouter::eventFilter(QObject* watched, QEvent* event) {
    const bool onForeground = watched == &area_.foreground();
    if (!onForeground && watched != &area_.background()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            if (secondPresses_.counts(mouse, awaitsPoint(workflow_.state()))) {
                press(onForeground, mouse.scenePosition());
            }
            return true;
        }
        case QEvent::MouseMove:
            move(onForeground, static_cast<const QMouseEvent*>(event)->scenePosition());
            return true;
        case QEvent::MouseButtonRelease:
            release(onForeground, static_cast<const QMouseEvent*>(event)->scenePosition());
            return true;
        default:
            return false;
    }
}

void PointerRouter::press(bool onForeground, QPointF inWindow) {
    if (measure_.isOn()) {
        measure_.press(area_.backgroundTwipsAt(inWindow));
    } else if (onForeground) {
        const QPointF at = area_.foregroundTwipsAt(inWindow);
        workflow_.image1MouseDown(float(at.x()), float(at.y()));
    } else {
        const QPointF at = area_.backgroundTwipsAt(inWindow);
        workflow_.picture1MouseDown(float(at.x()), float(at.y()));
    }
}

void PointerRouter::move(bool onForeground, QPointF inWindow) {
    if (measure_.isOn()) {
        measure_.move(area_.backgroundTwipsAt(inWindow));
    } else if (onForeground) {
        const QPointF at = area_.foregroundTwipsAt(inWindow);
        workflow_.image1MouseMove(float(at.x()), float(at.y()));
    } else {
        const QPointF at = area_.backgroundTwipsAt(inWindow);
        workflow_.picture1MouseMove(float(at.x()), float(at.y()));
    }
}

void PointerRouter::release(bool onForeground, QPointF inWindow) {
    if (measure_.isOn()) {
        measure_.release(area_.backgroundTwipsAt(inWindow));
    } else if (onForeground) {
        workflow_.image1MouseUp();
    }
}

// The view scrolled under a pointer that stayed put: the drag or the line goes on as if the
// pointer moved.
void PointerRouter::followScrolledPointer(QPoint global) {
    const QPointF inWindow = area_.view().window()->mapFromGlobal(QPointF(global));
    move(workflow_.state().dragging == kFlagTrue, inWindow);
}
