#include "furnishing.h"

#include <QAbstractButton>
#include <QCursor>
#include <QTransform>
#include <QWidget>

#include "arrangement_history.h"
#include "picture_area.h"
#include "picture_opener.h"
#include "stretch_image.h"
#include "workflow.h"

bool Furnishing::hasForeground() const {
    const StretchImage& image = area_.foreground();
    return !image.isHidden() && !image.picture().isNull();
}

void Furnishing::nextPiece() {
    const QString path = opener_.choosePicture();
    if (path.isEmpty()) return;
    const std::optional<ReadPicture> picture = opener_.read(path);
    if (!picture) return;
    StretchImage& image = area_.foreground();
    ArrangementHistory& history = area_.history();
    history.beginChange();
    if (hasForeground()) area_.pieces().add(image.placedPicture());
    opener_.placeForeground(path, *picture);
    image.setOpacity(1.0);  // a new picture shows its own pixels
    history.endChange();
    option3_.setChecked(true);
    workflow_.nextPiece();
}

void Furnishing::makeCurrent(int piece) {
    StretchImage& image = area_.foreground();
    ArrangementHistory& history = area_.history();
    history.beginChange();
    const PlacedPicture chosen = area_.pieces().take(piece);
    if (hasForeground()) area_.pieces().add(image.placedPicture());
    image.setPlacedPicture(chosen);
    image.show();
    history.endChange();
    if (chosen.reduced && !chosen.file.isEmpty()) readAgain(chosen);
}

// A piece kept fewer pixels than its file has; as the foreground it may be enlarged, so it
// takes the file's own again, turned as it was. A file that is gone leaves the kept pixels.
void Furnishing::readAgain(const PlacedPicture& piece) {
    const std::optional<ReadPicture> full = opener_.read(piece.file);
    if (!full) return;
    PlacedPicture whole = piece;
    whole.picture = full->image.transformed(QTransform().rotate(90 * piece.quarterTurns));
    whole.onWhitePaper = full->onWhitePaper;
    whole.reduced = false;
    area_.foreground().setPlacedPicture(whole);
}

void Furnishing::removeUnderPointer() {
    StretchImage& image = area_.foreground();
    const QPointF inWindow = window_.mapFromGlobal(QCursor::pos());
    const bool overForeground =
        hasForeground() && image.showsPictureAt(image.mapFrom(&window_, inWindow.toPoint()));
    const std::optional<int> piece = area_.pieces().at(area_.backgroundTwipsAt(inWindow));
    if (!overForeground && piece) {
        area_.pieces().take(*piece);
    } else if (hasForeground()) {
        image.hide();
    }
}

void Furnishing::nudge(int right, int down) {
    StretchImage& image = area_.foreground();
    TwipRect at = image.twips();
    at.left += float(right * kTwipsPerPixel);
    at.top += float(down * kTwipsPerPixel);
    image.setTwips(at);
}
