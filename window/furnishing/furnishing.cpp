// SPDX-License-Identifier: GPL-3.0-or-later
#include "furnishing.h"

#include <QCursor>
#include <QWidget>

#include "picture_area.h"
#include "picture_opener.h"
#include "room_document.h"
#include "stretch_image.h"

void Furnishing::nextPiece() {
    const QString path = opener_.choosePicture();
    if (path.isEmpty()) return;
    const std::optional<ReadPicture> picture = opener_.read(path);
    if (!picture) return;
    room_.keepForegroundAsPiece();
    room_.placeNewForeground(path, picture->image, picture->onWhitePaper);
    room_.setForegroundOpacity(1.0);  // a new picture shows its own pixels
    room_.showTask(3);
    room_.workflow().nextPiece();
}

// A piece kept fewer pixels than its file has; as the foreground it may be enlarged, so it
// takes the file's own again, turned as it was. A file that is gone leaves the kept pixels.
void Furnishing::makeCurrent(int piece) {
    const PlacedPicture& chosen = room_.pieces().at(std::size_t(piece));
    std::optional<QImage> whole;
    if (chosen.reduced && !chosen.file.isEmpty()) {
        if (const std::optional<ReadPicture> read = opener_.read(chosen.file)) {
            whole = turnedByQuarters(read->image, chosen.quarterTurns);
        }
    }
    room_.choosePiece(piece, whole);
}

void Furnishing::calibrateAgain() {
    room_.showTask(3);
    room_.workflow().nextPiece();
}

void Furnishing::removeUnderPointer() {
    const StretchImage& image = area_.foreground();
    const QPointF inWindow = window_.mapFromGlobal(QCursor::pos());
    const bool overForeground =
        room_.hasForeground() && image.showsPictureAt(image.mapFrom(&window_, inWindow.toPoint()));
    const std::optional<int> piece = area_.pieces().at(area_.backgroundTwipsAt(inWindow));
    if (!overForeground && piece) {
        room_.takePiece(*piece);
    } else if (room_.hasForeground()) {
        room_.hideForeground();
    }
}

void Furnishing::nudge(int right, int down) {
    TwipRect at = room_.foreground().twips;
    at.left += float(right * kTwipsPerPixel);
    at.top += float(down * kTwipsPerPixel);
    room_.setForegroundTwips(at);
}
