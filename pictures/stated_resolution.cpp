// SPDX-License-Identifier: GPL-3.0-or-later
#include "stated_resolution.h"

#include <QIODevice>
#include <QtEndian>
#include <cmath>

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kCentimetresPerInch = 2.54;
// A JPEG's header, up to its EXIF, lies in its first segments; a TIFF's first directory may lie
// anywhere in the file, but its entries are few.
constexpr qint64 kHeaderBytes = 1 << 20;

QByteArray bytesAt(QIODevice& file, qint64 position, qint64 count) {
    if (position < 0 || !file.seek(position)) return {};
    const QByteArray bytes = file.read(count);
    return bytes.size() == count ? bytes : QByteArray();
}

std::optional<QSizeF> positive(double across, double down) {
    if (!(across > 0 && down > 0)) return std::nullopt;
    return QSizeF(across, down);
}

// Dots a metre are whole, so a scanner's 300 dpi is written 11811; the whole dpi that rounds to
// the number written is the one meant (each lies 39 dots a metre from the next).
double dotsPerInchFromMetres(quint32 perMetre) {
    const double perInch = perMetre * kMetresPerInch;
    const double whole = std::round(perInch);
    return std::llround(whole / kMetresPerInch) == perMetre ? whole : perInch;
}

std::optional<QSizeF> pngResolution(QIODevice& file) {
    qint64 at = 8;
    while (at < file.size()) {
        const QByteArray header = bytesAt(file, at, 8);
        if (header.isEmpty()) return std::nullopt;
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        const QByteArray type = header.mid(4);
        if (type == "IDAT" || type == "IEND" || length > 0x7FFFFFFFu) return std::nullopt;
        if (type == "pHYs" && length == 9) {
            const QByteArray data = bytesAt(file, at + 8, 9);
            if (data.isEmpty() || data[8] != 1) return std::nullopt;  // 1: dots a metre
            return positive(dotsPerInchFromMetres(qFromBigEndian<quint32>(data.constData())),
                            dotsPerInchFromMetres(qFromBigEndian<quint32>(data.constData() + 4)));
        }
        at += 12 + qint64(length);
    }
    return std::nullopt;
}

// A TIFF directory at `ifd` of a TIFF that starts at `base` (a TIFF file, or the EXIF in a JPEG):
// its X and Y resolution (rationals) and unit (2 an inch, 3 a centimetre).
std::optional<QSizeF> tiffResolution(QIODevice& file, qint64 base, qint64 end) {
    const QByteArray order = bytesAt(file, base, 8);
    if (order.isEmpty()) return std::nullopt;
    const bool little = order.startsWith("II");
    if (!little && !order.startsWith("MM")) return std::nullopt;
    const auto u16 = [little](const char* at) {
        return little ? qFromLittleEndian<quint16>(at) : qFromBigEndian<quint16>(at);
    };
    const auto u32 = [little](const char* at) {
        return little ? qFromLittleEndian<quint32>(at) : qFromBigEndian<quint32>(at);
    };
    const qint64 ifd = base + u32(order.constData() + 4);
    const QByteArray count = ifd + 2 <= end ? bytesAt(file, ifd, 2) : QByteArray();
    if (count.isEmpty()) return std::nullopt;
    const int entries = u16(count.constData());
    if (entries > 512 || ifd + 2 + qint64(entries) * 12 > end) return std::nullopt;
    const QByteArray table = bytesAt(file, ifd + 2, qint64(entries) * 12);
    if (table.isEmpty()) return std::nullopt;
    std::optional<double> across, down;
    int unit = 2;  // the standard's default: an inch
    for (int i = 0; i < entries; ++i) {
        const char* entry = table.constData() + i * 12;
        const quint16 tag = u16(entry);
        const quint16 type = u16(entry + 2);
        if ((tag == 282 || tag == 283) && type == 5) {  // a rational: two longs elsewhere
            const qint64 at = base + u32(entry + 8);
            const QByteArray value = at + 8 <= end ? bytesAt(file, at, 8) : QByteArray();
            if (value.isEmpty() || u32(value.constData() + 4) == 0) continue;
            const double ratio = double(u32(value.constData())) / u32(value.constData() + 4);
            (tag == 282 ? across : down) = ratio;
        } else if (tag == 296 && type == 3) {
            unit = u16(entry + 8);
        }
    }
    if (!across || !down || (unit != 2 && unit != 3)) return std::nullopt;
    const double perInch = unit == 3 ? kCentimetresPerInch : 1;
    return positive(*across * perInch, *down * perInch);
}

// JFIF's density where it is in dots (1 an inch, 2 a centimetre); else an EXIF's resolution.
std::optional<QSizeF> jpegResolution(QIODevice& file) {
    qint64 at = 2;  // after the start of image
    std::optional<QSizeF> exif;
    while (at < std::min(file.size(), kHeaderBytes)) {
        const QByteArray marker = bytesAt(file, at, 4);
        if (marker.isEmpty() || quint8(marker[0]) != 0xFF) return exif;
        const quint8 kind = quint8(marker[1]);
        if (kind == 0xDA || kind == 0xD9) return exif;  // the pixels begin, or the file ends
        const quint16 length = qFromBigEndian<quint16>(marker.constData() + 2);
        if (length < 2) return exif;
        const QByteArray segment = bytesAt(file, at + 4, length - 2);
        if (segment.isEmpty()) return exif;
        if (kind == 0xE0 && segment.startsWith(QByteArray("JFIF\0", 5)) && segment.size() >= 12) {
            const int units = quint8(segment[7]);
            const double across = qFromBigEndian<quint16>(segment.constData() + 8);
            const double down = qFromBigEndian<quint16>(segment.constData() + 10);
            const double perInch = units == 2 ? kCentimetresPerInch : 1;
            if (units == 1 || units == 2) return positive(across * perInch, down * perInch);
        }
        if (kind == 0xE1 && segment.startsWith(QByteArray("Exif\0\0", 6))) {
            exif = tiffResolution(file, at + 4 + 6, at + 2 + length);
        }
        at += 2 + length;
    }
    return exif;
}

}  // namespace

std::optional<QSizeF> statedResolution(QIODevice& file, const QByteArray& format) {
    std::optional<QSizeF> stated;
    if (format == "png") stated = pngResolution(file);
    if (format == "jpeg") stated = jpegResolution(file);
    if (format == "tiff") stated = tiffResolution(file, 0, file.size());
    file.seek(0);
    return stated;
}
