#pragma once

#include <QImage>
#include <QWidget>

#include "twips.h"
#include "window_port.h"

// The foreground: stretches its picture to its own rectangle and reports presses, moves and
// releases over that rectangle, with or without a picture.
class StretchImage : public QWidget {
    Q_OBJECT
public:
    // Above this many pixels a stretched copy is not kept; only the visible part is scaled.
    static constexpr qint64 kMaxStretchedPixels = 40'000'000;

    explicit StretchImage(QWidget* parent);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    const TwipRect& twips() const { return twips_; }
    void setTwips(const TwipRect& twips);
    float extent(Extent extent) const;
    void setExtent(Extent extent, float twips);

    // The stretched copy in use, or null when none is kept (for tests and benchmarks).
    const QImage* stretchedCopy() const { return stretched_.isNull() ? nullptr : &stretched_; }

signals:
    // Twips from the image's own top-left corner.
    void mouseDown(QPointF position);
    void mouseMove(QPointF position);
    void mouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool refreshStretchedCopy();

    QImage picture_;
    QImage stretched_;  // the picture at the widget's size, made once per size
    TwipRect twips_;
};
