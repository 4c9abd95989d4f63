#include "pointer_position.h"

#include <QMouseEvent>
#include <QWidget>
#include <cmath>

QPointF exactPosition(const QWidget& widget, const QMouseEvent& event) {
    const QPointF inWindow = widget.mapFrom(widget.window(), event.scenePosition());
    const QPointF rounded = event.position();
    const bool sameSpot =
        std::abs(inWindow.x() - rounded.x()) <= 0.5 && std::abs(inWindow.y() - rounded.y()) <= 0.5;
    return sameSpot ? inWindow : rounded;
}
