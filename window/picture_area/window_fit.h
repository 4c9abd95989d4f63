// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class PictureView;
class QWidget;

// Sizes the window so that its client area ends at `end` (the background box's right and
// bottom edges) or at the free area of its screen, whichever comes first; the picture view
// scrolls over the rest. The window keeps its top-left corner unless that would leave part
// of it off the free area: then it moves just enough.
void fitWindowTo(QWidget& window, PictureView& view, QPoint end);

// Centres the whole window, frame included, on the free area of its screen.
void centreOnScreen(QWidget& window);
