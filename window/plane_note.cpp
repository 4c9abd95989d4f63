#include "plane_note.h"

#include <QAccessible>

#include "twips.h"

namespace {

// Below and right of the point, clear of the pointer's arrow.
constexpr QPoint kOffset(12, 12);

}  // namespace

PlaneNote::PlaneNote(QWidget* plane) : QLabel(plane) {
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

void PlaneNote::setZoom(double zoom) {
    zoom_ = zoom;
    place();
}

void PlaneNote::place() {
    move(QPoint(toPixels(anchor_.x() * zoom_), toPixels(anchor_.y() * zoom_)) + kOffset);
}
