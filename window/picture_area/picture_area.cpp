// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_area.h"

#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <array>

#include "picture_box.h"
#include "picture_view.h"
#include "room_document.h"
#include "stretch_image.h"
#include "window_fit.h"

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

PictureArea::PictureArea(QWidget& window, QPoint origin, RoomDocument& room)
    : window_(window), room_(room), view_(*new PictureView(window, origin)) {
    view_.reachTo(window.size());
    // The pointer's point stays under it, also near the plan's edges.
    connect(&view_, &PictureView::zoomWheel, this, [this](int steps, QPointF at) {
        setLevel(ladderStep(level(), steps), at, Anchor::EvenBeyondTheEdges);
    });
    // The window manager tells a frame without an event of Qt's; it is looked at for a while.
    framing_.setInterval(kFramingMilliseconds);
    connect(&framing_, &QTimer::timeout, this, [this] {
        followFrame();
        if (++framingLooks_ * kFramingMilliseconds >= kFramingPatienceMilliseconds) framing_.stop();
    });
    connect(this, &PictureArea::levelChanged, this, &PictureArea::shownChanged);
    for (QScrollBar* bar : {view_.horizontalScrollBar(), view_.verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, &PictureArea::shownChanged);
    }
    window.installEventFilter(this);
}

QWidget* PictureArea::plane() const { return view_.plane(); }

void PictureArea::hold(PictureBox& background, StretchImage& foreground) {
    background_ = &background;
    foreground_ = &foreground;
    pieces_ = std::make_unique<Pieces>(*background.contents(), zoom_, foreground);
    connect(&room_, &RoomDocument::backgroundChanged, this, &PictureArea::showBackground);
    connect(&room_, &RoomDocument::foregroundChanged, this, &PictureArea::showForeground);
    connect(&room_, &RoomDocument::piecesChanged, this, [this] { pieces_->show(room_.pieces()); });
    showBackground();
    showForeground();
    view_.setContentEnd(contentEnd());
}

void PictureArea::showBackground() {
    const BackgroundRecord& plan = room_.background();
    background_->showPicture(plan.picture, plan.onWhitePaper, plan.box,
                             room_.shownWhileRead(plan.picture));
    view_.setContentEnd(contentEnd());
}

void PictureArea::showForeground() {
    foreground_->showPicture(room_.foreground(), room_.shownWhileRead(room_.foreground().picture));
    foreground_->setVisible(room_.foregroundShown());
}

bool PictureArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return QObject::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize) {
        view_.reachTo(window_.size());
        emit shownChanged();
    }
    if (type == QEvent::Move || type == QEvent::Resize) followFrame();
    return QObject::eventFilter(watched, event);
}

// A frame told after the window was fitted, as on a first start whose first plan is chosen
// before the window manager has framed the window: fitted again with it, if it then reaches
// beyond the free area.
void PictureArea::followFrame() {
    const QMargins told = frameMargins(window_);
    // Told while the window manager is still resizing, the frame can come out as large as the
    // change of size: no frame takes a quarter of the screen.
    const QSize screen = window_.screen() ? window_.screen()->size() : QSize();
    if (told.left() + told.right() > screen.width() / 4 ||
        told.top() + told.bottom() > screen.height() / 4) {
        return;
    }
    frame_ = told;
    if (!framing_.isActive() || frame_ == fittedFrame_ || !exceedsFreeArea(window_)) return;
    framing_.stop();
    fitToBackground();
}

QPoint PictureArea::contentEnd() const {
    return background_->geometry().bottomRight() + QPoint(1, 1);
}

QPointF PictureArea::viewportCentre() const { return QRectF(view_.viewport()->rect()).center(); }

QPointF PictureArea::onCanvas(QPointF inViewport) const {
    const QPoint whole = inViewport.toPoint();
    return QPointF(background_->contents()->mapFrom(view_.viewport(), whole)) +
           (inViewport - whole);
}

void PictureArea::setLevel(double level, QPointF anchor, Anchor kept) {
    level = std::clamp(level, kSmallestLevel, kLargestLevel);
    const QPointF anchored = onCanvas(anchor) * (level / this->level());  // the same picture point
    zoom_.setLevel(level);
    view_.setContentEnd(contentEnd());
    const QPointF now =
        QPointF(background_->contents()->mapTo(view_.viewport(), QPoint(0, 0))) + anchored;
    const QPoint scrolledTo = scrolled() + (now - anchor).toPoint();
    if (kept == Anchor::EvenBeyondTheEdges) {
        view_.scrollTo(scrolledTo);
    } else {
        view_.horizontalScrollBar()->setValue(scrolledTo.x());
        view_.verticalScrollBar()->setValue(scrolledTo.y());
    }
    emit levelChanged(level);
}

void PictureArea::step(int steps, QPointF anchor) { setLevel(ladderStep(level(), steps), anchor); }

void PictureArea::stepAboutCentre(int steps) { step(steps, viewportCentre()); }

void PictureArea::showActualSize() { setLevel(1.0, viewportCentre()); }

double PictureArea::fitLevel() const {
    const QSizeF inside = background_->insideTwips() / kTwipsPerPixel;
    const double border = 2 * PictureBox::kBorderPixels;
    const QSize room = view_.size();
    if (inside.width() <= 0 || inside.height() <= 0) return 1.0;
    return std::clamp(std::min((room.width() - border) / inside.width(),
                               (room.height() - border) / inside.height()),
                      kSmallestLevel, 1.0);
}

void PictureArea::fitBackground() {
    setLevel(fitLevel(), {0, 0});
    view_.scrollTo({0, 0});
}

// The window is fitted to the box at 100 %, then the level is set once: 100 % where the
// window shows the whole box, else the level that shows it whole.
void PictureArea::fitToBackground() {
    const TwipRect& box = background_->twips();
    // The client area ends exactly at the box's right and bottom edges at 100 %, whatever the
    // frame, as far as the screen allows.
    // The frame as last told: right after the file dialog the window's own may not be yet.
    fittedFrame_ = frameMargins(window_);
    fitWindowTo(window_, view_,
                {toPixels(double(box.left) + box.width), toPixels(double(box.top) + box.height)},
                fittedFrame_);
    framingLooks_ = 0;
    framing_.start();
    fitBackground();
}

void PictureArea::showAt(double level, QPoint scrolled) {
    setLevel(level, {0, 0});
    view_.scrollTo(scrolled);
}

QPoint PictureArea::scrolled() const {
    return {view_.horizontalScrollBar()->value(), view_.verticalScrollBar()->value()};
}

QPointF PictureArea::backgroundTwipsAt(QPointF inWindow) const {
    const QWidget* canvas = background_->contents();
    return zoom_.twipsAt(canvas->mapFrom(&window_, inWindow));
}

// A turned foreground is drawn about its centre, beyond its own widget's corner: its twips
// are then the background's less its unturned corner.
QPointF PictureArea::foregroundTwipsAt(QPointF inWindow) const {
    if (foreground_->degrees() != 0) {
        const TwipRect& at = foreground_->twips();
        return backgroundTwipsAt(inWindow) - QPointF(at.left, at.top);
    }
    return zoom_.twipsAt(foreground_->mapFrom(&window_, inWindow));
}

QRectF PictureArea::shownTwips() const {
    const QWidget* canvas = background_->contents();
    const QRectF seen(canvas->mapFrom(view_.viewport(), QPoint(0, 0)), view_.viewport()->size());
    return {zoom_.twipsAt(seen.topLeft()), zoom_.twipsAt(seen.bottomRight())};
}

QPointF PictureArea::shownBackgroundCentreTwips() const {
    const QWidget* canvas = background_->contents();
    const QRect seen(canvas->mapFrom(view_.viewport(), QPoint(0, 0)), view_.viewport()->size());
    const QRect shown = seen & canvas->rect();
    return zoom_.twipsAt(QRectF(shown.isEmpty() ? canvas->rect() : shown).center());
}

void PictureArea::centreForeground() {
    const QPointF centre = shownBackgroundCentreTwips();
    const TwipRect at = room_.foreground().twips;
    room_.setForegroundTwips({float(centre.x() - at.width / 2.0),
                              float(centre.y() - at.height / 2.0), at.width, at.height});
}

void PictureArea::keepForegroundInReach(const TwipRect& before) {
    const TwipRect after = room_.foreground().twips;
    if (after.width == before.width && after.height == before.height) return;  // not resized
    const QSizeF inside = background_->insideTwips();
    const bool reaches = after.left < inside.width() && after.left + after.width > 0 &&
                         after.top < inside.height() && after.top + after.height > 0;
    if (!reaches) centreForeground();
    bringIntoView(room_.foreground().twips);
}

void PictureArea::bringIntoView(const TwipRect& twips) {
    const QRectF shown = shownTwips();
    const QRectF wanted(twips.left, twips.top, twips.width, twips.height);
    if (shown.intersects(wanted)) return;
    const bool fits = wanted.width() <= shown.width() && wanted.height() <= shown.height();
    const QPointF target =
        fits ? wanted.center()
             : wanted.topLeft() + QPointF(shown.width() / 2, shown.height() / 2) * 0.9;
    const QPoint by = zoom_.pixelsAt(target) - zoom_.pixelsAt(shown.center());
    view_.horizontalScrollBar()->setValue(view_.horizontalScrollBar()->value() + by.x());
    view_.verticalScrollBar()->setValue(view_.verticalScrollBar()->value() + by.y());
}
