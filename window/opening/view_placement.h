// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointer>
#include <QSize>

class PictureArea;
class QWidget;

// Where the window stands and what its view shows: its size and place, the zoom and the
// scrolling, and the control with the focus. The room holds everything else; together they take
// the window back to a moment exactly.
struct ViewPlacement {
    double level = 1;
    QPoint scrolled;
    QSize windowSize;
    QPoint windowPlace;
    QPointer<QWidget> focus;

    static ViewPlacement of(const QWidget& window, const PictureArea& area);
    // After the room is taken back: its pictures give the view its extent.
    void restore(QWidget& window, PictureArea& area) const;
};
