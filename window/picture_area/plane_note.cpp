// SPDX-License-Identifier: GPL-3.0-or-later
#include "plane_note.h"

#include <QAccessible>

namespace {

// Below and right of the point, clear of the pointer's arrow.
constexpr QPoint kOffset(12, 12);

}  // namespace

PlaneNote::PlaneNote(QWidget* plane, const PlaneZoom& zoom) : QLabel(plane), zoom_(zoom) {
    connect(&zoom, &PlaneZoom::changed, this, &PlaneNote::place);
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

void PlaneNote::place() { move(zoom_.pixelsAt(anchor_) + kOffset); }
