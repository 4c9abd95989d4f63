// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QtGlobal>
#include <optional>

class QIODevice;

// Qt's PNG reader turns a sixteen-bit colour PNG with a transparent colour (a tRNS chunk)
// into coloured stripes. Such a file is decoded without that chunk, which Qt reads right, and
// the transparent colour is then applied to the exact sixteen-bit samples.
struct DeepColourKey {
    qint64 chunkAt = 0;  // the whole chunk: length, type, data and checksum
    qint64 chunkLength = 0;
    quint16 red = 0, green = 0, blue = 0;
};

// The key of such a file; empty for every other PNG. The file is read from its start.
std::optional<DeepColourKey> findDeepColourKey(QIODevice& file);

// Pixels of exactly the key's colour become transparent.
QImage withColourKey(QImage image, const DeepColourKey& key);
