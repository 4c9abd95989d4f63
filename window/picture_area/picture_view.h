// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>

// The room that scroll bars take when `content` is shown in `room`: the vertical bar's width
// and the horizontal bar's height where each is needed (bars: their full extents). One bar
// takes room from the other direction, which may then need its bar as well.
QSize scrollBarRoom(QSize content, QSize room, QSize bars);

// The part of the window right of the controls: a view of the window's own plane, in which
// the background box keeps its place and its twips. When the window cannot grow to show the
// whole box, the view scrolls; scrolling changes what is seen, never a coordinate.
class PictureView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Scrolled in steps of this many pixels by the wheel and the arrows.
    static constexpr int kStepPixels = 20;

    // origin: the window point shown at the view's top-left corner when not scrolled.
    PictureView(QWidget& window, QPoint origin);

    // The plane holds the background box at its place in the window's client area.
    QWidget* plane() const { return plane_; }
    // Shows the plane up to this point (the background box's right and bottom edges).
    void setContentEnd(QPoint end);
    // Scrolled to these values even beyond the content's edges, as a zoom about a point near
    // them needs: the view then shows the window's colour beyond the picture, until it is
    // scrolled back within the content.
    void scrollTo(QPoint scrolled);
    // Spans from its origin to the right and bottom edges of a client area of this size.
    void reachTo(QSize client);
    // The room the scroll bars take when shown: the vertical bar's width, the horizontal's height.
    QSize barExtents() const;

signals:
    // The wheel turned with Ctrl held, by this many steps (positive: in), at a viewport point.
    void zoomWheel(int steps, QPointF at);

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateScrollRanges();
    // A bar's range: the content's, stretched to the value it stands at.
    void setRange(QScrollBar* bar, int contentMaximum, int page);
    void placePlane();

    QWidget* plane_;
    QPoint origin_;
    QPoint end_;
    int zoomWheelTurned_ = 0;  // eighths of a degree not yet a whole step
};
