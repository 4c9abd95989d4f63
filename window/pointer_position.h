#pragma once

#include <QPointF>

class QMouseEvent;
class QWidget;

// The pointer's position in the widget with the precision of the screen. Qt gives a widget its
// event's position in whole logical pixels, but on a scaled screen the pointer lies between
// them; the position in the window keeps the fraction.
QPointF exactPosition(const QWidget& widget, const QMouseEvent& event);
