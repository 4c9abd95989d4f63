// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSizeF>
#include <optional>

class QIODevice;

// The resolution a picture file states for its pixels, in dots an inch across and down: a PNG's
// pHYs chunk in metres, a TIFF's resolution and unit, a JPEG's JFIF density or the resolution of
// its EXIF. None where the file states none (a PNG without pHYs, a JFIF density that is only an
// aspect ratio, a TIFF without a unit). Read from the file's header only, every offset bounded;
// the file is left at its start.
std::optional<QSizeF> statedResolution(QIODevice& file, const QByteArray& format);
