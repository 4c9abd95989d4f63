#include "picture_zoom.h"

#include <QScrollBar>
#include <algorithm>
#include <array>
#include <cmath>

#include "measuring_line.h"
#include "picture_box.h"
#include "picture_view.h"
#include "stretch_image.h"

namespace {

constexpr std::array<double, 13> kLadder = {0.1, 0.125, 0.25, 1.0 / 3, 0.5, 2.0 / 3, 1.0,
                                            1.5, 2.0,   3.0,  4.0,     6.0, 8.0};

// The next level of the ladder above (steps > 0) or below a level that may lie between two.
double ladderStep(double level, int steps) {
    constexpr double kSame = 1e-9;
    for (; steps > 0; --steps) {
        const auto above = std::find_if(kLadder.begin(), kLadder.end(),
                                        [level](double l) { return l > level + kSame; });
        level = above == kLadder.end() ? kLadder.back() : *above;
    }
    for (; steps < 0; ++steps) {
        const auto below = std::find_if(kLadder.rbegin(), kLadder.rend(),
                                        [level](double l) { return l < level - kSame; });
        level = below == kLadder.rend() ? kLadder.front() : *below;
    }
    return level;
}

}  // namespace

PictureZoom::PictureZoom(PictureView& view, const FormControls& controls)
    : view_(view), c_(controls) {}

// The background box carries the level; the foreground and the line follow it.
double PictureZoom::level() const { return c_.Picture1->zoom(); }

QPointF PictureZoom::viewportCentre() const { return QRectF(view_.viewport()->rect()).center(); }

QPointF PictureZoom::onCanvas(QPointF inViewport) const {
    const QPoint whole = inViewport.toPoint();
    return QPointF(c_.Picture1->contents()->mapFrom(view_.viewport(), whole)) +
           (inViewport - whole);
}

void PictureZoom::setLevel(double level, QPointF anchor) {
    level = std::clamp(level, kSmallest, kLargest);
    const QPointF anchored = onCanvas(anchor) * (level / this->level());  // the same picture point
    c_.Picture1->setZoom(level);
    c_.Image1->setZoom(level);
    c_.Line1->setZoom(level);
    view_.setContentEnd(c_.Picture1->geometry().bottomRight() + QPoint(1, 1));
    const QPointF now =
        QPointF(c_.Picture1->contents()->mapTo(view_.viewport(), QPoint(0, 0))) + anchored;
    const QPoint by = (now - anchor).toPoint();
    view_.horizontalScrollBar()->setValue(view_.horizontalScrollBar()->value() + by.x());
    view_.verticalScrollBar()->setValue(view_.verticalScrollBar()->value() + by.y());
    emit levelChanged(level);
}

void PictureZoom::step(int steps, QPointF anchor) { setLevel(ladderStep(level(), steps), anchor); }

void PictureZoom::stepAboutCentre(int steps) { step(steps, viewportCentre()); }

void PictureZoom::showActualSize() { setLevel(1.0, viewportCentre()); }

double PictureZoom::fitLevel() const {
    const TwipRect box = c_.Picture1->twips();
    const double border = 2 * PictureBox::kBorderPixels;
    const double insideWidth = box.width / kTwipsPerPixel - border;
    const double insideHeight = box.height / kTwipsPerPixel - border;
    const QSize room = view_.size();
    if (insideWidth <= 0 || insideHeight <= 0) return 1.0;
    return std::clamp(
        std::min((room.width() - border) / insideWidth, (room.height() - border) / insideHeight),
        kSmallest, 1.0);
}

bool PictureZoom::backgroundFitsAtActualSize() const { return fitLevel() >= 1.0; }

void PictureZoom::fitBackground() {
    setLevel(fitLevel(), {0, 0});
    view_.horizontalScrollBar()->setValue(0);
    view_.verticalScrollBar()->setValue(0);
}

QPointF PictureZoom::shownBackgroundCentreTwips() const {
    const QWidget* canvas = c_.Picture1->contents();
    const QRect seen(canvas->mapFrom(view_.viewport(), QPoint(0, 0)), view_.viewport()->size());
    const QRect shown = seen & canvas->rect();
    return c_.Picture1->twipsAt(QRectF(shown.isEmpty() ? canvas->rect() : shown).center());
}
