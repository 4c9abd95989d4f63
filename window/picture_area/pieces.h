// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <optional>
#include <vector>

#include "placed_picture.h"

class PlaneZoom;
class StretchImage;
class QWidget;

// The pieces of furniture kept on the plan besides the current foreground, as the room holds
// them: drawn above the background and below the foreground and the line, as see-through as
// they were left, and transparent to the pointer, so that every press reaches the picture
// beneath. A piece that was not read has no picture and no widget.
class Pieces {
public:
    // On `plane`, the background's inner area; always beneath `foreground`.
    Pieces(QWidget& plane, const PlaneZoom& zoom, StretchImage& foreground);

    // The pieces shown.
    int count() const { return int(shown_.size()); }
    // The widgets already shown take the pieces in their order and keep what they have made
    // for painting where their picture stays: a step back over twenty pieces makes no widget
    // anew.
    void show(const std::vector<PlacedPicture>& pieces);
    // The topmost piece whose drawn picture holds the point, in the plan's twips: its place
    // among the room's pieces.
    std::optional<int> at(QPointF twips) const;

    // The pixels all pieces shown hold (for tests and benchmarks).
    qint64 keptPixels() const;

private:
    QWidget& plane_;
    const PlaneZoom& zoom_;
    StretchImage& foreground_;
    std::vector<StretchImage*> shown_;
    std::vector<int> pieceOf_;  // of each widget, the room's piece it shows
};
