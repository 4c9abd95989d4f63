// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// The formats pictures are read in: those of Qt's image plugins, PDF (its first page) and
// HEIC/HEIF. MNG animations are refused: their decoder allocates frames of any size their inner
// headers claim; so are compressed SVG files, whose drawing could not be checked before it is
// drawn.
bool isRefusedFormat(const QByteArray& format);
// As file name endings.
QList<QByteArray> readablePictureFormats();
// As MIME types, for the desktop.
QList<QByteArray> readablePictureMimeTypes();
// Loads every image plugin, as the first file of unknown format would: a reader does it while it
// waits for its file.
void loadPictureDecoders();
