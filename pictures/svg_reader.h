#pragma once

#include <QByteArray>
#include <optional>

#include "picture_file_reader.h"

class QIODevice;

// An SVG drawing, at its own size within the pixel bound, drawn from what its own file holds:
// references to other files or addresses are taken out before Qt's renderer sees them, and a
// drawing whose references to its own parts multiply beyond reason is refused.
bool isSvgFormat(const QByteArray& format);
ReadPicture readSvg(QIODevice& file);

// The drawing with every reference outside itself pointing nowhere instead.
QByteArray withoutOutsideReferences(const QByteArray& svg);

// How many elements drawing the SVG would draw, counting each reused part as often as it is
// used; empty when its references run in a circle or the file is not well-formed.
std::optional<double> drawnElements(const QByteArray& svg);
