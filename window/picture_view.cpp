#include "picture_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

namespace {

// A pointer this close to an edge of the view, or past it, scrolls while it is followed.
constexpr int kEdgePixels = 16;
constexpr int kAutoScrollMilliseconds = 25;
constexpr int kMaxAutoScrollStep = 60;

// Pixels to scroll for a pointer `depth` pixels into the edge band (or past the edge):
// slowly at the band, faster the further out.
int stepFor(int depth) {
    if (depth <= 0) return 0;
    return std::min(kMaxAutoScrollStep, 2 + depth / 2);
}

}  // namespace

QSize scrollBarRoom(QSize content, QSize room, QSize bars) {
    bool across = content.width() > room.width();
    bool down = content.height() > room.height() - (across ? bars.height() : 0);
    if (down && !across) across = content.width() > room.width() - bars.width();
    return {down ? bars.width() : 0, across ? bars.height() : 0};
}

PictureView::PictureView(QWidget& window, QPoint origin)
    : QAbstractScrollArea(&window), plane_(new QWidget(viewport())), origin_(origin) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setBackgroundRole(QPalette::Window);  // as the window around the picture
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(kStepPixels);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    autoScroll_.setInterval(kAutoScrollMilliseconds);
    connect(&autoScroll_, &QTimer::timeout, this, &PictureView::autoScrollStep);
}

QSize PictureView::barExtents() const {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {extent, extent};
}

void PictureView::reachTo(QSize client) {
    setGeometry(QRect(origin_, client - QSize(origin_.x(), origin_.y())));
}

void PictureView::setContentEnd(QPoint end) {
    end_ = end;
    updateScrollRanges();
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

// Worked out from the whole view, not the viewport of the moment: a bar shown for an old
// content would otherwise take the room that keeps the new one from needing a bar at all.
void PictureView::updateScrollRanges() {
    const QSize content(std::max(0, end_.x() - origin_.x()), std::max(0, end_.y() - origin_.y()));
    const QSize seen = size() - scrollBarRoom(content, size(), barExtents());
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - seen.width()));
    horizontalScrollBar()->setPageStep(seen.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - seen.height()));
    verticalScrollBar()->setPageStep(seen.height());
    placePlane();
}

// Moves what is shown and repaints only the strip that comes into view.
void PictureView::scrollContentsBy(int dx, int dy) { viewport()->scroll(dx, dy); }

// Only the plane moves; the widgets on it keep their places, so no twip ever changes.
void PictureView::placePlane() {
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    plane_->setGeometry(QRect(-origin_ - scrolled, QSize(std::max(end_.x(), origin_.x() + 1),
                                                         std::max(end_.y(), origin_.y() + 1))));
}

void PictureView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (!(event->modifiers() & Qt::ShiftModifier) || delta.x() != 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Shift turns the wheel sideways, as in every viewer.
    QScrollBar* bar = horizontalScrollBar();
    const int lines = QApplication::wheelScrollLines();
    bar->setValue(bar->value() - delta.y() * lines * bar->singleStep() / 120);
    event->accept();
}

void PictureView::followPointerOn(QWidget& widget) { widget.installEventFilter(this); }

bool PictureView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) {
        pointer_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (!autoScroll_.isActive() && autoScrollWanted_ && autoScrollWanted_() &&
            !edgePush().isNull()) {
            autoScroll_.start();
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

QPoint PictureView::edgePush() const {
    const QPoint at = viewport()->mapFromGlobal(pointer_);
    const QSize seen = viewport()->size();
    return {stepFor(at.x() - (seen.width() - kEdgePixels)) - stepFor(kEdgePixels - at.x()),
            stepFor(at.y() - (seen.height() - kEdgePixels)) - stepFor(kEdgePixels - at.y())};
}

void PictureView::autoScrollStep() {
    const QPoint push = edgePush();
    if (!autoScrollWanted_ || !autoScrollWanted_() || push.isNull()) {
        autoScroll_.stop();
        return;
    }
    const QPoint before(horizontalScrollBar()->value(), verticalScrollBar()->value());
    horizontalScrollBar()->setValue(before.x() + push.x());
    verticalScrollBar()->setValue(before.y() + push.y());
    if (QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()) == before) {
        autoScroll_.stop();  // the far end is reached
        return;
    }
    emit scrolledUnderPointer(pointer_);
}
