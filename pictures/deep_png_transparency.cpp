// SPDX-License-Identifier: GPL-3.0-or-later
#include "deep_png_transparency.h"

#include <QIODevice>
#include <QRgba64>
#include <QtEndian>

std::optional<DeepColourKey> findDeepColourKey(QIODevice& file) {
    if (!file.seek(8)) return std::nullopt;  // after the signature
    const QByteArray header = file.read(8 + 13);
    if (header.size() != 21 || header.mid(4, 4) != "IHDR") return std::nullopt;
    const bool deepColour = quint8(header[16]) == 16 && quint8(header[17]) == 2;
    if (!deepColour) return std::nullopt;
    qint64 at = 8 + 12 + 13;
    for (;;) {
        if (!file.seek(at)) return std::nullopt;
        const QByteArray chunk = file.read(8);
        if (chunk.size() != 8) return std::nullopt;
        const qint64 length = qFromBigEndian<quint32>(chunk.constData());
        const QByteArray type = chunk.mid(4);
        if (type == "IDAT" || type == "IEND") return std::nullopt;  // it must come before
        if (type == "tRNS") {
            const QByteArray key = file.read(6);
            if (length != 6 || key.size() != 6) return std::nullopt;
            return DeepColourKey{at, 12 + length, qFromBigEndian<quint16>(key.constData()),
                                 qFromBigEndian<quint16>(key.constData() + 2),
                                 qFromBigEndian<quint16>(key.constData() + 4)};
        }
        at += 12 + length;
    }
}

QImage withColourKey(QImage image, const DeepColourKey& key) {
    image = std::move(image).convertToFormat(QImage::Format_RGBA64);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgba64*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QRgba64& pixel = line[x];
            if (pixel.red() == key.red && pixel.green() == key.green && pixel.blue() == key.blue) {
                pixel = QRgba64::fromRgba64(0, 0, 0, 0);
            }
        }
    }
    return image;
}
