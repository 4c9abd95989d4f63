// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <vector>

#include "placed_picture.h"

class QPainter;

// The plan as it is kept and shown to others: the background at its own pixels, with the pieces
// and the current foreground in place, turned and see-through as the window shows them. The
// measuring line and the notes are the window's, not the plan's.
struct PlanDrawing {
    QImage background;
    bool onWhitePaper = false;
    std::vector<PlacedPicture> layers;  // bottom first

    QSize size() const { return background.size(); }
    // Paints it with one unit of the painter a pixel of the background.
    void paint(QPainter& painter) const;
    // At the background's own pixels: the one full-size copy, the one written.
    QImage toImage() const;
};
