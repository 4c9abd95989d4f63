// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTimer>
#include <memory>

#include "pieces.h"
#include "plane_zoom.h"
#include "twips.h"

class PictureBox;
class PictureView;
class RoomDocument;
class StretchImage;
class QWidget;

// The picture plane as the user sees it: the view that scrolls it, the one zoom, the pictures
// of the room shown on it, and the one mapping between the window and the twips of the
// background and the foreground, border included. Whatever turns a pointer into twips, or twips
// into a place on screen, asks it.
class PictureArea : public QObject {
    Q_OBJECT
public:
    static constexpr double kSmallestLevel = 0.1;
    static constexpr double kLargestLevel = 8.0;

    // The view starts at `origin` of the window, where the background box stands, and reaches
    // to the window's right and bottom edges whatever its size. It shows `room`'s pictures.
    PictureArea(QWidget& window, QPoint origin, RoomDocument& room);

    PictureView& view() const { return view_; }
    // The plane the background box lies on, in the window's coordinates, and its zoom.
    QWidget* plane() const;
    const PlaneZoom& zoom() const { return zoom_; }
    // The plane's two pictures, once built; every other member needs them. From then on they,
    // and the pieces, show the room's.
    void hold(PictureBox& background, StretchImage& foreground);
    PictureBox& background() const { return *background_; }
    StretchImage& foreground() const { return *foreground_; }
    // The pieces kept beside the foreground.
    Pieces& pieces() const { return *pieces_; }

    double level() const { return zoom_.level(); }
    // Keeps the picture point under `anchor` (a viewport point) where it is: within the plan's
    // scrolling, or (for the pointer's point) even where the view then shows beyond its edges.
    enum class Anchor { WithinTheEdges, EvenBeyondTheEdges };
    void setLevel(double level, QPointF anchor, Anchor kept = Anchor::WithinTheEdges);
    // By steps of the usual ladder (10 % ... 800 %), about a viewport point.
    void step(int steps, QPointF anchor);
    void stepAboutCentre(int steps);
    void showActualSize();
    // The whole background box in the view: the largest level up to 100 % that shows it.
    void fitBackground();

    // After a new background: the window fitted to it at 100 %, or, when the screen cannot
    // show it whole, the largest level that does.
    void fitToBackground();
    // Back to a level and scrolling as they were.
    void showAt(double level, QPoint scrolled);
    QPoint scrolled() const;

    // Twips from the background's inner corner, and from the foreground's own (unturned)
    // corner, of a point given in the window's coordinates.
    QPointF backgroundTwipsAt(QPointF inWindow) const;
    QPointF foregroundTwipsAt(QPointF inWindow) const;

    // What the view shows of the plane, in twips of the background.
    QRectF shownTwips() const;

    // The room's foreground at its size, centred on the part of the background the view shows.
    void centreForeground();
    // A resized foreground that lies wholly outside the background box, where nothing can show
    // or reach it, comes to the centre of the background the view shows; one that lies outside
    // the part the view shows is brought into it, the view scrolled to it.
    void keepForegroundInReach(const TwipRect& before);

signals:
    void levelChanged(double level);
    // The view shows another part of the plane: scrolled, zoomed or resized.
    void shownChanged();

protected:
    // The view follows the window's size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double fitLevel() const;
    QPointF viewportCentre() const;
    // A point of the view in the background's inner area, in its pixels.
    QPointF onCanvas(QPointF inViewport) const;
    // The window point below and right of the background box, as shown now.
    QPoint contentEnd() const;
    QPointF shownBackgroundCentreTwips() const;
    void followFrame();
    void showBackground();
    void showForeground();
    // Scrolls to the rectangle where none of it is in view: its centre towards the view's, or
    // its top-left corner into the view where it is larger; within the plan's scrolling.
    void bringIntoView(const TwipRect& twips);

    QWidget& window_;
    RoomDocument& room_;
    PictureView& view_;
    PlaneZoom zoom_;
    PictureBox* background_ = nullptr;
    StretchImage* foreground_ = nullptr;
    std::unique_ptr<Pieces> pieces_;
    QMargins frame_;        // the window's frame, as last told
    QMargins fittedFrame_;  // the frame the window was last fitted with
    QTimer framing_;        // for a while after a fit: the frame looked at
    int framingLooks_ = 0;
    static constexpr int kFramingMilliseconds = 50;
    static constexpr int kFramingPatienceMilliseconds = 3000;
};
