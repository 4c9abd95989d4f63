// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

// An SVG drawing as it may be handed to Qt's renderer: the same drawing, written again from its
// parsed parts, with every reference outside itself pointing nowhere (an href in any namespace or
// quoting, entities and character references resolved first; CSS url() and @import), and no
// document type, processing instruction or unresolved entity left. Both the rewriting and the
// count take time in proportion to the file.
struct OwnDrawing {
    QByteArray svg;
    // How many elements drawing it would draw, counting each reused part as often as it is used
    // (at most a little over the bound); empty when its references run in a circle or the file
    // is not well-formed.
    std::optional<double> drawnElements;
};

OwnDrawing ownDrawing(const QByteArray& svg, double elementBound);
