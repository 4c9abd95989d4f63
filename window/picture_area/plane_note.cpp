// SPDX-License-Identifier: GPL-3.0-or-later
#include "plane_note.h"

#include <QAccessible>
#include <algorithm>

#include "picture_area.h"
#include "picture_view.h"

namespace {

// Below and right of the point, clear of the pointer's arrow.
constexpr QPoint kOffset(12, 12);

// Beside the point on the side where the note fits in the room seen, [low, high); else as far
// in as it goes.
int besideWithin(int point, int offset, int extent, int low, int high) {
    int at = point + offset;
    if (at + extent > high) at = point - offset - extent;
    return std::max(low, std::min(at, high - extent));
}

}  // namespace

PlaneNote::PlaneNote(QWidget* plane, const PictureArea& area) : QLabel(plane), area_(area) {
    connect(&area.zoom(), &PlaneZoom::changed, this, &PlaneNote::place);
    connect(&area, &PictureArea::shownChanged, this, &PlaneNote::place);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral(
        "background: #ffffe1; color: black; border: 1px solid #767676; padding: 1px 3px;"));
    hide();
}

void PlaneNote::showAt(const QString& text, QPointF twips) {
    anchor_ = twips;
    if (text != this->text() || isHidden()) {
        setText(text);
        setAccessibleName(text);
        adjustSize();
        QAccessibleEvent told(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&told);
    }
    place();
    raise();
    show();
}

void PlaneNote::place() {
    const QWidget* viewport = area_.view().viewport();
    const QRect seen(parentWidget()->mapFrom(viewport, QPoint(0, 0)), viewport->size());
    const QPoint point = area_.zoom().pixelsAt(anchor_);
    move(besideWithin(point.x(), kOffset.x(), width(), seen.left(), seen.right() + 1),
         besideWithin(point.y(), kOffset.y(), height(), seen.top(), seen.bottom() + 1));
}
