// SPDX-License-Identifier: GPL-3.0-or-later
#include "first_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

int firstHalvings(QSize size, const FirstView& view) {
    if (!(view.level > 0) || size.isEmpty()) return 0;
    double scale = view.level;
    if (view.room.isValid() && !view.room.isEmpty()) {
        scale = std::min({scale, double(view.room.width()) / size.width(),
                          double(view.room.height()) / size.height()});
    }
    scale = std::max(scale, view.smallest);
    if (scale > 0.5) return 0;
    // No more halvings than leave one pixel, and no more than the sums of one pass hold.
    const int most = std::min(12, int(std::log2(std::max(size.width(), size.height()))));
    return std::clamp(int(std::floor(-std::log2(scale))), 0, most);
}

QSize halvedSize(QSize size, int halvings) {
    const int divisor = 1 << halvings;
    return {(size.width() + divisor - 1) / divisor, (size.height() + divisor - 1) / divisor};
}

namespace {

// One line of the picture as premultiplied ARGB: the formats pictures are decoded into most
// often are read directly, any other through Qt's conversion of that line alone.
void fetchLine(const QImage& picture, int y, std::vector<QRgb>& line) {
    const int width = picture.width();
    const uchar* bits = picture.constScanLine(y);
    switch (picture.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32_Premultiplied:
            std::copy_n(reinterpret_cast<const QRgb*>(bits), width, line.begin());
            return;
        case QImage::Format_ARGB32:
            for (int x = 0; x < width; ++x)
                line[std::size_t(x)] = qPremultiply(reinterpret_cast<const QRgb*>(bits)[x]);
            return;
        case QImage::Format_Grayscale8:
            for (int x = 0; x < width; ++x) line[std::size_t(x)] = qRgb(bits[x], bits[x], bits[x]);
            return;
        case QImage::Format_Indexed8: {
            const QList<QRgb> colours = picture.colorTable();
            for (int x = 0; x < width; ++x) {
                const QRgb colour = bits[x] < colours.size() ? colours[bits[x]] : 0;
                line[std::size_t(x)] = qPremultiply(colour);
            }
            return;
        }
        case QImage::Format_RGB888:
            for (int x = 0; x < width; ++x)
                line[std::size_t(x)] = qRgb(bits[3 * x], bits[3 * x + 1], bits[3 * x + 2]);
            return;
        default: {
            const QImage converted =
                picture.copy(0, y, width, 1).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            std::copy_n(reinterpret_cast<const QRgb*>(converted.constScanLine(0)), width,
                        line.begin());
        }
    }
}

// A line added to the sums of its columns; apart, so that the compiler adds many at once.
void addLine(quint32* __restrict sums, const uchar* __restrict bits, int width) {
    for (int x = 0; x < width; ++x) sums[x] += bits[x];
}

// Grey scans, the commonest plans, summed a byte a pixel: the lines of a square first, a whole
// line at a time, then across. `greyLine` gives a line's greys.
QImage reducedGrey(const QImage& picture, int halvings, QSize size,
                   const std::function<const uchar*(int y)>& greyLine) {
    QImage reduced(size, QImage::Format_RGB32);
    if (reduced.isNull()) return {};
    const int step = 1 << halvings;
    const int width = picture.width();
    std::vector<quint32> columns(std::size_t(size.width()) * std::size_t(step));
    for (int out = 0; out < size.height(); ++out) {
        std::fill(columns.begin(), columns.end(), 0);
        const int top = out * step;
        const int rows = std::min(step, picture.height() - top);
        for (int y = top; y < top + rows; ++y) addLine(columns.data(), greyLine(y), width);
        auto* target = reinterpret_cast<QRgb*>(reduced.scanLine(out));
        for (int x = 0; x < size.width(); ++x) {
            const int first = x * step;
            const int count = std::min(step, width - first);
            quint32 sum = 0;
            for (int i = 0; i < count; ++i) sum += columns[std::size_t(first + i)];
            const quint32 pixels = quint32(rows) * quint32(count);
            const int grey = int((sum + pixels / 2) / pixels);
            target[x] = qRgb(grey, grey, grey);
        }
    }
    return reduced;
}

// The grey of each entry of a palette whose entries are all opaque greys, as black-and-white
// and grey scans have; none otherwise.
std::optional<std::array<uchar, 256>> greyPalette(const QImage& picture) {
    const QImage::Format format = picture.format();
    if (format != QImage::Format_Indexed8 && format != QImage::Format_Mono &&
        format != QImage::Format_MonoLSB) {
        return std::nullopt;
    }
    std::array<uchar, 256> greys{};
    const QList<QRgb> colours = picture.colorTable();
    for (qsizetype i = 0; i < colours.size() && i < 256; ++i) {
        const QRgb c = colours[i];
        if (qAlpha(c) != 255 || qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)) return std::nullopt;
        greys[std::size_t(i)] = uchar(qRed(c));
    }
    return greys;
}

// The eight greys of each byte of a black-and-white line, most or least significant bit first.
using ByteGreys = std::array<std::array<uchar, 8>, 256>;
ByteGreys byteGreys(const std::array<uchar, 256>& greys, bool leastFirst) {
    ByteGreys table{};
    for (int byte = 0; byte < 256; ++byte) {
        for (int bit = 0; bit < 8; ++bit)
            table[std::size_t(byte)][std::size_t(bit)] =
                greys[(byte >> (leastFirst ? bit : 7 - bit)) & 1];
    }
    return table;
}

// A line of a grey-palette picture as greys, a byte a pixel; `line` has room for whole bytes.
void greysOf(const QImage& picture, int y, const std::array<uchar, 256>& greys,
             const ByteGreys& ofBytes, std::vector<uchar>& line) {
    const uchar* bits = picture.constScanLine(y);
    const int width = picture.width();
    if (picture.format() == QImage::Format_Indexed8) {
        for (int x = 0; x < width; ++x) line[std::size_t(x)] = greys[bits[x]];
        return;
    }
    for (int byte = 0; byte < (width + 7) / 8; ++byte)
        std::copy_n(ofBytes[bits[byte]].begin(), 8, line.begin() + std::ptrdiff_t(byte) * 8);
}

}  // namespace

QImage reducedInOnePass(const QImage& picture, int halvings) {
    if (picture.isNull() || halvings <= 0) return picture;
    const int step = 1 << halvings;
    const QSize size = halvedSize(picture.size(), halvings);
    // Qt's own smooth reduction is one fast pass for the formats that paint as they are.
    const QImage::Format format = picture.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied)
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (format == QImage::Format_Grayscale8) {
        return reducedGrey(picture, halvings, size,
                           [&picture](int y) { return picture.constScanLine(y); });
    }
    if (const std::optional<std::array<uchar, 256>> greys = greyPalette(picture)) {
        const ByteGreys ofBytes = byteGreys(*greys, format == QImage::Format_MonoLSB);
        std::vector<uchar> line(std::size_t(picture.width() + 7) / 8 * 8);
        return reducedGrey(picture, halvings, size, [&](int y) {
            greysOf(picture, y, *greys, ofBytes, line);
            return static_cast<const uchar*>(line.data());
        });
    }
    const bool alpha = picture.hasAlphaChannel();
    QImage reduced(size, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (reduced.isNull()) return {};
    std::vector<QRgb> line(std::size_t(picture.width()));
    std::vector<quint32> sums(std::size_t(size.width()) * 4);
    for (int out = 0; out < size.height(); ++out) {
        std::fill(sums.begin(), sums.end(), 0);
        const int top = out * step;
        const int rows = std::min(step, picture.height() - top);
        for (int y = top; y < top + rows; ++y) {
            fetchLine(picture, y, line);
            for (int x = 0; x < picture.width(); ++x) {
                quint32* sum = &sums[std::size_t(x >> halvings) * 4];
                const QRgb pixel = line[std::size_t(x)];
                sum[0] += qAlpha(pixel);
                sum[1] += qRed(pixel);
                sum[2] += qGreen(pixel);
                sum[3] += qBlue(pixel);
            }
        }
        auto* target = reinterpret_cast<QRgb*>(reduced.scanLine(out));
        for (int x = 0; x < size.width(); ++x) {
            const quint32 count =
                quint32(rows) * quint32(std::min(step, picture.width() - x * step));
            const quint32* sum = &sums[std::size_t(x) * 4];
            const auto mean = [count](quint32 total) { return int((total + count / 2) / count); };
            target[x] = qRgba(mean(sum[1]), mean(sum[2]), mean(sum[3]), alpha ? mean(sum[0]) : 255);
        }
    }
    return reduced;
}
