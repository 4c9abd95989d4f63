#pragma once

#include <QPointF>
#include <optional>
#include <vector>

#include "placed_picture.h"

class PlaneZoom;
class StretchImage;
class QWidget;

// The pieces of furniture kept on the plan besides the current foreground: drawn above the
// background and below the foreground and the line, as see-through as they were left, and
// transparent to the pointer, so that every press reaches the picture beneath. A piece keeps
// no more pixels than its size on the plan can show at the largest zoom.
class Pieces {
public:
    // On `plane`, the background's inner area; always beneath `foreground`.
    Pieces(QWidget& plane, const PlaneZoom& zoom, StretchImage& foreground, double largestLevel);

    int count() const { return int(shown_.size()); }
    void add(const PlacedPicture& piece);
    PlacedPicture take(int index);
    // The topmost piece whose drawn picture holds the point, in the plan's twips.
    std::optional<int> at(QPointF twips) const;

    std::vector<PlacedPicture> all() const;
    void setAll(const std::vector<PlacedPicture>& pieces);

    // The pixels all pieces keep (for tests and benchmarks).
    qint64 keptPixels() const;

private:
    QWidget& plane_;
    const PlaneZoom& zoom_;
    StretchImage& foreground_;
    double largestLevel_;
    std::vector<StretchImage*> shown_;
};
