// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include "picture_file_reader.h"

class QIODevice;

// An SVG drawing, at its own size within the pixel bound, drawn from what its own file holds:
// references to other files or addresses are taken out before Qt's renderer sees them, and a
// drawing whose references to its own parts multiply beyond reason is refused.
bool isSvgFormat(const QByteArray& format);
ReadPicture readSvg(QIODevice& file);
