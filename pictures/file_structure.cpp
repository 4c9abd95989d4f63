// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_structure.h"

#include <QIODevice>
#include <QtEndian>
#include <cstdlib>

namespace {

// Bytes at a position of the file; empty when the file ends before them.
QByteArray bytesAt(QIODevice& file, qint64 position, qint64 count) {
    if (!file.seek(position)) return {};
    const QByteArray bytes = file.read(count);
    return bytes.size() == count ? bytes : QByteArray();
}

template <typename T>
T littleEndian(const QByteArray& bytes, int at) {
    return qFromLittleEndian<T>(bytes.constData() + at);
}

PictureProblem checkPng(QIODevice& file) {
    const qint64 size = file.size();
    qint64 at = 8;  // after the signature
    while (at < size) {
        const QByteArray header = bytesAt(file, at, 8);
        if (header.isEmpty()) return PictureProblem::Damaged;
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        if (length > 0x7FFFFFFFu) return PictureProblem::Damaged;
        at += 12 + qint64(length);  // length, type, data, checksum
        if (at > size) return PictureProblem::Damaged;
        if (header.mid(4) == "IEND") break;
    }
    return PictureProblem::None;
}

// Uncompressed rows must all be in the file: a decoder would leave missing ones unfilled.
PictureProblem checkBmp(QIODevice& file) {
    const QByteArray header = bytesAt(file, 0, 30);
    if (header.isEmpty()) return PictureProblem::Damaged;
    const auto pixelsAt = littleEndian<quint32>(header, 10);
    const auto infoSize = littleEndian<quint32>(header, 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (infoSize == 12) {  // the oldest header, with 16-bit sizes
        width = littleEndian<quint16>(header, 18);
        height = littleEndian<quint16>(header, 20);
        bits = littleEndian<quint16>(header, 24);
    } else {
        const QByteArray info = bytesAt(file, 14, 20);
        if (info.isEmpty()) return PictureProblem::Damaged;
        width = littleEndian<qint32>(info, 4);
        height = std::llabs(littleEndian<qint32>(info, 8));  // negative: rows run top-down
        bits = littleEndian<quint16>(info, 14);
        compression = littleEndian<quint32>(info, 16);
    }
    if (width <= 0 || height <= 0 || bits <= 0) return PictureProblem::Damaged;
    if (!fitsPictureBounds(width, height)) return PictureProblem::TooLarge;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    if (uncompressed && qint64(pixelsAt) + rowBytes * height > file.size()) {
        return PictureProblem::Damaged;
    }
    return PictureProblem::None;
}

PictureProblem checkGif(QIODevice& file) {
    const QSize canvas = gifCanvasSize(file);
    if (!canvas.isValid()) return PictureProblem::Damaged;
    return fitsPictureBounds(canvas.width(), canvas.height()) ? PictureProblem::None
                                                              : PictureProblem::TooLarge;
}

// Every picture of an icon file must lie inside the file.
PictureProblem checkIco(QIODevice& file) {
    const QByteArray header = bytesAt(file, 0, 6);
    if (header.isEmpty()) return PictureProblem::Damaged;
    const auto count = littleEndian<quint16>(header, 4);
    for (int i = 0; i < count; ++i) {
        const QByteArray entry = bytesAt(file, 6 + 16 * i, 16);
        if (entry.isEmpty()) return PictureProblem::Damaged;
        const qint64 end =
            qint64(littleEndian<quint32>(entry, 12)) + littleEndian<quint32>(entry, 8);
        if (end > file.size()) return PictureProblem::Damaged;
    }
    return PictureProblem::None;
}

// A progressive JPEG keeps every coefficient of the picture while its scans arrive: two bytes
// a sample, on top of the decoded picture.
PictureProblem checkJpeg(QIODevice& file) {
    qint64 at = 2;  // after the start marker
    for (;;) {
        const QByteArray marker = bytesAt(file, at, 4);
        if (marker.isEmpty() || quint8(marker[0]) != 0xFF) return PictureProblem::None;
        const quint8 kind = quint8(marker[1]);
        const qint64 length = qFromBigEndian<quint16>(marker.constData() + 2);
        const bool frame =
            kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC;
        if (kind == 0xDA || kind == 0xD9) return PictureProblem::None;  // no frame before data
        if (!frame) {
            at += 2 + length;
            continue;
        }
        const QByteArray sof = bytesAt(file, at + 4, 6);
        if (sof.isEmpty()) return PictureProblem::Damaged;
        const qint64 height = qFromBigEndian<quint16>(sof.constData() + 1);
        const qint64 width = qFromBigEndian<quint16>(sof.constData() + 3);
        const int components = quint8(sof[5]);
        const bool progressive = kind == 0xC2 || kind == 0xC6 || kind == 0xCA || kind == 0xCE;
        if (!progressive) return PictureProblem::None;
        const QByteArray sampling = bytesAt(file, at + 10, 3 * qint64(components));
        if (sampling.isEmpty()) return PictureProblem::Damaged;
        int maxH = 1, maxV = 1;
        for (int c = 0; c < components; ++c) {
            maxH = std::max(maxH, quint8(sampling[3 * c + 1]) >> 4);
            maxV = std::max(maxV, quint8(sampling[3 * c + 1]) & 15);
        }
        qint64 coefficients = 0;
        for (int c = 0; c < components; ++c) {
            const int h = std::max(1, quint8(sampling[3 * c + 1]) >> 4);
            const int v = std::max(1, quint8(sampling[3 * c + 1]) & 15);
            const qint64 blocksAcross = (width * h / maxH + 7) / 8 + 1;
            const qint64 blocksDown = (height * v / maxV + 7) / 8 + 1;
            coefficients += blocksAcross * blocksDown * 64;
        }
        const qint64 needed = coefficients * 2 + width * height * 4;
        return needed > kMaxDecodingBytes ? PictureProblem::TooLarge : PictureProblem::None;
    }
}

}  // namespace

QSize gifCanvasSize(QIODevice& file) {
    const QByteArray screen = bytesAt(file, 6, 5);
    if (screen.isEmpty()) return {};
    int width = littleEndian<quint16>(screen, 0);
    int height = littleEndian<quint16>(screen, 2);
    qint64 at = 13;
    if (quint8(screen[4]) & 0x80) at += 3 << ((quint8(screen[4]) & 7) + 1);  // colour table
    // Extensions come as sub-blocks up to an empty one; then the first frame.
    for (QByteArray block = bytesAt(file, at, 1); block == "!"; block = bytesAt(file, at, 1)) {
        at += 2;
        for (QByteArray length = bytesAt(file, at, 1); !length.isEmpty() && length[0] != 0;
             length = bytesAt(file, at, 1)) {
            at += 1 + quint8(length[0]);
        }
        at += 1;
    }
    if (bytesAt(file, at, 1) == ",") {
        const QByteArray frame = bytesAt(file, at + 1, 8);
        if (frame.isEmpty()) return {};
        width = std::max(width, littleEndian<quint16>(frame, 0) + littleEndian<quint16>(frame, 4));
        height =
            std::max(height, littleEndian<quint16>(frame, 2) + littleEndian<quint16>(frame, 6));
    }
    return {width, height};
}

PictureProblem checkStructure(QIODevice& file, const QByteArray& format) {
    PictureProblem problem = PictureProblem::None;
    if (format == "png") {
        problem = checkPng(file);
    } else if (format == "bmp") {
        problem = checkBmp(file);
    } else if (format == "ico" || format == "cur") {
        problem = checkIco(file);
    } else if (format == "jpeg") {
        problem = checkJpeg(file);
    } else if (format == "gif") {
        problem = checkGif(file);
    }
    file.seek(0);
    return problem;
}
