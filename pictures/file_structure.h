// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSize>

#include "picture_bounds.h"
#include "picture_file_reader.h"

class QIODevice;

// Cheap, exact checks of a picture file's structure, made before any decoder sees it. What
// they refuse would cost a decoder far more memory than the file is worth, or would show
// memory that the file never filled: a PNG chunk running past the end of the file, a BMP or
// ICO whose pixels lie beyond it, a BMP or GIF whose declared size is out of bounds, a
// progressive JPEG whose decoder would need more than the memory bound. The file is read from its
// start and left there.
PictureProblem checkStructure(QIODevice& file, const QByteArray& format);

// The canvas a GIF's first frame is painted on: its screen, or as far as the frame reaches
// beyond it (a screen of no size takes the frame's). Invalid when the file ends before.
QSize gifCanvasSize(QIODevice& file);
