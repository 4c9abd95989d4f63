#include "pointer_position.h"

#include <QMouseEvent>
#include <QWidget>

QPointF exactPosition(const QWidget& widget, const QMouseEvent& event) {
    return widget.mapFrom(widget.window(), event.scenePosition());
}
