// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_placement.h"

#include <QApplication>
#include <QWidget>

#include "picture_area.h"
#include "picture_view.h"

ViewPlacement ViewPlacement::of(const QWidget& window, const PictureArea& area) {
    return {area.level(), area.scrolled(), window.size(), window.pos(),
            QApplication::focusWidget()};
}

void ViewPlacement::restore(QWidget& window, PictureArea& area) const {
    window.setFixedSize(windowSize);
    window.move(windowPlace);
    area.view().reachTo(windowSize);
    area.showAt(level, scrolled);
    if (focus) focus->setFocus(Qt::OtherFocusReason);
}
