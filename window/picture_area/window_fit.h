// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class PictureView;
class QWidget;

// Sizes the window so that its client area ends at `end` (the background box's right and
// bottom edges) or at the free area of its screen, whichever comes first; the picture view
// scrolls over the rest. The window keeps its top-left corner unless that would leave part
// of it off the free area: then it moves just enough. `margins`: the frame's, as the window
// manager last told them.
void fitWindowTo(QWidget& window, PictureView& view, QPoint end, const QMargins& margins);

// The frame around the window's client area, as the window manager has told it so far: none
// before it has framed the window, which it may do after the window is fitted.
QMargins frameMargins(const QWidget& window);
// Whether the window, frame included, reaches beyond the free area of its screen.
bool exceedsFreeArea(const QWidget& window);

// Centres the whole window, frame included, on the free area of its screen.
void centreOnScreen(QWidget& window);
