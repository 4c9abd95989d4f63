// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_files.h"

#include "picture_files.h"

#include <jpeglib.h>
#include <libheif/heif.h>
#include <tiffio.h>
#include <cstdio>  // before jpeglib.h, which uses FILE

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QtEndian>
#include <array>
#include <cstring>
#include <functional>

namespace plan_files {

Ink inkAt(int x, int y, int width, int height) {
    const bool square = y >= height / 2 && y < height / 2 + 32;
    if (square && x >= width / 2 && x < width / 2 + 32) return Ink::Red;
    if (square && x >= 3 * width / 4 && x < 3 * width / 4 + 32) return Ink::Clear;
    const bool wall =
        (x >= width / 4 && x < width / 4 + 8) || (y >= height / 3 && y < height / 3 + 8);
    return wall ? Ink::Wall : Ink::Paper;
}

std::vector<Probe> probes(int w, int h) {
    return {
        {{w / 4 + 4, h / 6}, Ink::Wall},
        {{w / 4 - 4, h / 6}, Ink::Paper},
        {{w / 4 + 12, h / 6}, Ink::Paper},
        {{w / 8, h / 3 + 4}, Ink::Wall},
        {{w / 8, h / 3 - 4}, Ink::Paper},
        {{w / 8, h / 3 + 12}, Ink::Paper},
        {{w / 4 + 4, h - 3}, Ink::Wall},
        {{w - 3, h / 3 + 4}, Ink::Wall},
        {{w / 2 + 16, h / 2 + 16}, Ink::Red},
        {{3 * w / 4 + 16, h / 2 + 16}, Ink::Clear},
        {{2, 2}, Ink::Paper},
        {{w - 3, h - 3}, Ink::Paper},
    };
}

QColor expectedColor(Ink ink, bool colour, bool alpha) {
    switch (ink) {
        case Ink::Wall:
            return Qt::black;
        case Ink::Red:
            return colour ? QColor(Qt::red) : QColor(Qt::white);
        case Ink::Clear:
            return alpha ? QColor(0, 0, 0, 0) : QColor(Qt::white);
        case Ink::Paper:
            break;
    }
    return Qt::white;
}

namespace {

// ---- PNG ----

int channels(int colorType) {
    return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1;
}

// The samples of one pixel, at the kind's depth.
std::array<quint32, 4> pngSamples(Ink ink, const PngKind& kind) {
    const quint32 top = (1u << kind.bitDepth) - 1;
    const auto scaled = [top](quint32 eightBit) { return (eightBit * top + 127) / 255; };
    const bool sixteen = kind.bitDepth == 16;
    switch (kind.colorType) {
        case 3: {
            const quint32 index = ink == Ink::Wall                              ? 1
                                  : ink == Ink::Red && kind.bitDepth > 1        ? 2
                                  : ink == Ink::Clear && kind.transparentColour ? 3
                                                                                : 0;
            return {index};
        }
        case 0:
        case 4: {
            quint32 grey = ink == Ink::Wall ? 0 : top;
            if (ink == Ink::Clear && kind.transparentColour) grey = scaled(128);
            return {grey, ink == Ink::Clear ? 0 : top};
        }
        default: {
            if (ink == Ink::Clear && kind.transparentColour) {
                return sixteen ? std::array<quint32, 4>{0x1234, 0x3456, 0x5678}
                               : std::array<quint32, 4>{0x12, 0x34, 0x56};
            }
            const quint32 r = ink == Ink::Wall ? 0 : top;
            const quint32 gb = ink == Ink::Wall || ink == Ink::Red ? 0 : top;
            return {r, gb, gb, ink == Ink::Clear ? 0 : top};
        }
    }
}

// Samples packed most significant first, sixteen-bit ones big-endian.
class BitPacker {
public:
    explicit BitPacker(QByteArray& out) : out_(out) {}
    void put(quint32 value, int bits) {
        if (bits == 16) {
            out_ += char(value >> 8);
            out_ += char(value & 0xFF);
            return;
        }
        acc_ = (acc_ << bits) | value;
        filled_ += bits;
        if (filled_ == 8) flush();
    }
    void flush() {
        if (filled_ == 0) return;
        out_ += char(acc_ << (8 - filled_));
        acc_ = 0;
        filled_ = 0;
    }

private:
    QByteArray& out_;
    quint32 acc_ = 0;
    int filled_ = 0;
};

}  // namespace

bool writePng(const QString& path, int width, int height, const PngKind& kind) {
    QByteArray file = picture_files::pngHeader(quint32(width), quint32(height), kind.bitDepth,
                                               kind.colorType, kind.interlaced);
    if (kind.colorType == 3) {
        file += picture_files::pngChunk(
            "PLTE", QByteArray("\xFF\xFF\xFF\x00\x00\x00\xFF\x00\x00\x12\x34\x56", 12));
        if (kind.transparentColour)
            file += picture_files::pngChunk("tRNS", QByteArray("\xFF\xFF\xFF\x00", 4));
    } else if (kind.transparentColour) {
        QByteArray key;
        for (int c = 0; c < channels(kind.colorType); ++c) {
            QByteArray sample(2, '\0');
            qToBigEndian<quint16>(quint16(pngSamples(Ink::Clear, kind)[c]), sample.data());
            key += sample;
        }
        file += picture_files::pngChunk("tRNS", key);
    }
    picture_files::PngData data;
    struct Pass {
        int x0, y0, dx, dy;
    };
    const std::vector<Pass> passes =
        kind.interlaced ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
                        : std::vector<Pass>{{0, 0, 1, 1}};
    const int samples = channels(kind.colorType);
    for (const Pass& pass : passes) {
        if (pass.x0 >= width || pass.y0 >= height) continue;  // an empty pass is left out
        for (int y = pass.y0; y < height; y += pass.dy) {
            QByteArray row(1, '\0');  // no filter
            BitPacker packer(row);
            for (int x = pass.x0; x < width; x += pass.dx) {
                const auto values = pngSamples(inkAt(x, y, width, height), kind);
                for (int c = 0; c < samples; ++c) packer.put(values[c], kind.bitDepth);
            }
            packer.flush();
            data.addRow(row);
        }
    }
    file += data.finish();
    QFile target(path);
    return target.open(QIODevice::WriteOnly) && target.write(file) == file.size();
}

// ---- TIFF ----

namespace {

struct TiffLayout {
    quint16 bits, samples, photometric, compression;
};

TiffLayout layoutOf(TiffKind kind) {
    // Bilevel as fax machines and scanners write it: a set bit is black.
    constexpr quint16 kFax = PHOTOMETRIC_MINISWHITE, kGrey = PHOTOMETRIC_MINISBLACK;
    switch (kind) {
        case TiffKind::BilevelNone:
            return {1, 1, kFax, COMPRESSION_NONE};
        case TiffKind::BilevelPackBits:
            return {1, 1, kFax, COMPRESSION_PACKBITS};
        case TiffKind::BilevelLzw:
            return {1, 1, kFax, COMPRESSION_LZW};
        case TiffKind::BilevelG3:
            return {1, 1, kFax, COMPRESSION_CCITTFAX3};
        case TiffKind::BilevelG4:
            return {1, 1, kFax, COMPRESSION_CCITTFAX4};
        case TiffKind::Grey8:
            return {8, 1, kGrey, COMPRESSION_LZW};
        case TiffKind::Grey16:
            return {16, 1, kGrey, COMPRESSION_LZW};
        case TiffKind::Palette:
            return {8, 1, PHOTOMETRIC_PALETTE, COMPRESSION_LZW};
        case TiffKind::Rgb:
        case TiffKind::RgbTiled:
            return {8, 3, PHOTOMETRIC_RGB, COMPRESSION_LZW};
        case TiffKind::Cmyk:
            break;
    }
    return {8, 4, PHOTOMETRIC_SEPARATED, COMPRESSION_LZW};
}

// One pixel into a row of the layout; bilevel pixels are bits of the row.
void putTiffPixel(Ink ink, const TiffLayout& layout, quint8* row, int x) {
    const bool wall = ink == Ink::Wall, red = ink == Ink::Red;
    quint8* p = row + x * layout.samples * layout.bits / 8;
    switch (layout.photometric) {
        case PHOTOMETRIC_MINISWHITE:
            if (wall) row[x / 8] |= quint8(0x80 >> (x % 8));
            break;
        case PHOTOMETRIC_MINISBLACK:
            if (layout.bits == 16) {
                const quint16 grey = wall ? 0 : 0xFFFF;  // in the machine's order, as libtiff wants
                std::memcpy(p, &grey, sizeof grey);
            } else {
                p[0] = wall ? 0 : 255;
            }
            break;
        case PHOTOMETRIC_PALETTE:
            p[0] = wall ? 1 : red ? 2 : 0;
            break;
        case PHOTOMETRIC_RGB:
            p[0] = wall ? 0 : 255;
            p[1] = p[2] = wall || red ? 0 : 255;
            break;
        default:  // CMYK
            p[0] = 0;
            p[1] = p[2] = red ? 255 : 0;
            p[3] = wall ? 255 : 0;
    }
}

}  // namespace

bool writeTiff(const QString& path, int width, int height, TiffKind kind, double dotsPerInch) {
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "w");
    if (!tif) return false;
    const TiffLayout layout = layoutOf(kind);
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, layout.bits);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, layout.samples);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, layout.photometric);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, layout.compression);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    if (kind == TiffKind::Cmyk) TIFFSetField(tif, TIFFTAG_INKSET, INKSET_CMYK);
    if (dotsPerInch > 0) {
        TIFFSetField(tif, TIFFTAG_XRESOLUTION, float(dotsPerInch));
        TIFFSetField(tif, TIFFTAG_YRESOLUTION, float(dotsPerInch));
        TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    }
    std::vector<quint16> map(3 * 256, 0);
    if (kind == TiffKind::Palette) {
        map[0] = map[256] = map[512] = map[2] = 0xFFFF;  // 0 white, 1 black, 2 red
        TIFFSetField(tif, TIFFTAG_COLORMAP, map.data(), map.data() + 256, map.data() + 512);
    }
    bool ok = true;
    if (kind == TiffKind::RgbTiled) {
        constexpr int kTile = 256;
        TIFFSetField(tif, TIFFTAG_TILEWIDTH, kTile);
        TIFFSetField(tif, TIFFTAG_TILELENGTH, kTile);
        std::vector<quint8> tile(TIFFTileSize(tif));
        for (int ty = 0; ty < height && ok; ty += kTile) {
            for (int tx = 0; tx < width && ok; tx += kTile) {
                std::fill(tile.begin(), tile.end(), 0);
                for (int y = 0; y < kTile && ty + y < height; ++y) {
                    quint8* row = tile.data() + y * kTile * 3;
                    for (int x = 0; x < kTile && tx + x < width; ++x) {
                        putTiffPixel(inkAt(tx + x, ty + y, width, height), layout, row, x);
                    }
                }
                ok = TIFFWriteTile(tif, tile.data(), quint32(tx), quint32(ty), 0, 0) >= 0;
            }
        }
    } else {
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif, 0));
        std::vector<quint8> row(TIFFScanlineSize(tif));
        for (int y = 0; y < height && ok; ++y) {
            std::fill(row.begin(), row.end(), 0);
            for (int x = 0; x < width; ++x)
                putTiffPixel(inkAt(x, y, width, height), layout, row.data(), x);
            ok = TIFFWriteScanline(tif, row.data(), quint32(y), 0) >= 0;
        }
    }
    TIFFClose(tif);
    return ok;
}

// ---- BMP ----

bool writeBmp(const QString& path, int width, int height, int bitsPerPixel) {
    const int paletteEntries = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    const qint64 rowBytes = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
    const qint64 pixelsAt = 54 + 4 * paletteEntries;
    QByteArray header(int(pixelsAt), '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(quint32(pixelsAt + rowBytes * height), header.data() + 2);
    qToLittleEndian<quint32>(quint32(pixelsAt), header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(width, header.data() + 18);
    qToLittleEndian<qint32>(height, header.data() + 22);  // rows bottom-up
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(quint16(bitsPerPixel), header.data() + 28);
    qToLittleEndian<quint32>(quint32(paletteEntries), header.data() + 46);
    const quint32 palette[] = {0xFFFFFF, 0x000000, 0xFF0000};  // 0x00RRGGBB
    for (int i = 0; i < paletteEntries && i < 3; ++i) {
        qToLittleEndian<quint32>(palette[i], header.data() + 54 + 4 * i);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size()) return false;
    QByteArray row;
    for (int y = height - 1; y >= 0; --y) {
        row.clear();
        BitPacker packer(row);
        for (int x = 0; x < width; ++x) {
            const Ink at = inkAt(x, y, width, height);
            const bool wall = at == Ink::Wall;
            const bool red = at == Ink::Red && bitsPerPixel > 1;
            const quint32 rgb = wall ? 0 : red ? 0xFF0000 : 0xFFFFFF;
            if (bitsPerPixel <= 8) {
                packer.put(wall ? 1 : red ? 2 : 0, bitsPerPixel);
            } else if (bitsPerPixel == 16) {  // five bits a channel
                const quint16 v =
                    quint16(((rgb >> 19) & 31) << 10 | ((rgb >> 11) & 31) << 5 | ((rgb >> 3) & 31));
                row += char(v & 0xFF);
                row += char(v >> 8);
            } else {
                row += char(rgb & 0xFF);
                row += char((rgb >> 8) & 0xFF);
                row += char(rgb >> 16);
                if (bitsPerPixel == 32) row += '\0';
            }
        }
        packer.flush();
        row.append(QByteArray(int(rowBytes - row.size()), '\0'));
        if (file.write(row) != rowBytes) return false;
    }
    return true;
}

// ---- GIF ----

bool writeGif(const QString& path, int width, int height) {
    QByteArray head("GIF89a", 6);
    QByteArray screen(7, '\0');
    qToLittleEndian<quint16>(quint16(width), screen.data());
    qToLittleEndian<quint16>(quint16(height), screen.data() + 2);
    screen[4] = char(0xF7);  // a global table of 256 colours
    head += screen;
    QByteArray table(768, '\0');
    table[0] = table[1] = table[2] = char(0xFF);  // 0 white, 1 black, 2 red
    table[6] = char(0xFF);
    head += table;
    QByteArray frame(10, '\0');
    frame[0] = ',';
    qToLittleEndian<quint16>(quint16(width), frame.data() + 5);
    qToLittleEndian<quint16>(quint16(height), frame.data() + 7);
    head += frame;
    head += char(8);  // minimum code size
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size()) return false;

    QByteArray block;
    quint32 acc = 0;
    int bits = 0;
    const auto flushBlock = [&] {
        if (block.isEmpty()) return;
        file.putChar(char(block.size()));
        file.write(block);
        block.clear();
    };
    const auto code = [&](quint32 value) {
        acc |= value << bits;
        bits += 9;
        while (bits >= 8) {
            block += char(acc & 0xFF);
            acc >>= 8;
            bits -= 8;
            if (block.size() == 255) flushBlock();
        }
    };
    constexpr quint32 kClear = 256, kEnd = 257;
    int sinceClear = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (sinceClear == 0) code(kClear);
            const Ink at = inkAt(x, y, width, height);
            code(at == Ink::Wall ? 1 : at == Ink::Red ? 2 : 0);
            sinceClear = (sinceClear + 1) % 250;  // the table never outgrows nine-bit codes
        }
    }
    code(kEnd);
    if (bits > 0) block += char(acc & 0xFF);
    flushBlock();
    file.putChar('\0');
    file.putChar(';');
    return file.error() == QFile::NoError;
}

// ---- JPEG ----

bool writeJpeg(const QString& path, int width, int height, JpegKind kind, bool progressive) {
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = kind == JpegKind::Grey ? 1 : kind == JpegKind::Rgb ? 3 : 4;
    info.in_color_space = kind == JpegKind::Grey  ? JCS_GRAYSCALE
                          : kind == JpegKind::Rgb ? JCS_RGB
                                                  : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width) * info.input_components);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            const Ink at = inkAt(x, int(info.next_scanline), width, height);
            const bool wall = at == Ink::Wall, red = at == Ink::Red;
            JSAMPLE* p = row.data() + x * info.input_components;
            if (kind == JpegKind::Grey) {
                p[0] = wall ? 0 : 255;
            } else if (kind == JpegKind::Rgb) {
                p[0] = wall ? 0 : 255;
                p[1] = p[2] = wall || red ? 0 : 255;
            } else {  // inverted, as Adobe's programs write CMYK
                p[0] = 255;
                p[1] = p[2] = red ? 0 : 255;
                p[3] = wall ? 0 : 255;
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

// ---- WebP ----

bool writeWebp(const QString& path, int width, int height, bool lossless) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const Ink at = inkAt(x, y, width, height);
            line[x] = at == Ink::Wall  ? qRgb(0, 0, 0)
                      : at == Ink::Red ? qRgb(255, 0, 0)
                                       : qRgb(255, 255, 255);
        }
    }
    QImageWriter writer(path, "webp");
    writer.setQuality(lossless ? 100 : 90);  // Qt's WebP writer is lossless at 100
    return writer.write(image);
}

// ---- PDF ----

bool writePdf(const QString& path, QSizeF points) {
    QPdfWriter writer(path);
    writer.setResolution(72);  // a unit is a point
    writer.setPageSize(QPageSize(points, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    painter.fillRect(QRectF(100, 0, 10, points.height()), Qt::black);
    return painter.end();
}

// ---- HEIC ----

bool writeHeic(const QString& path, int width, int height, int orientation) {
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_image* image = nullptr;
    bool ok =
        heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code ==
            heif_error_Ok &&
        heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image)
                .code == heif_error_Ok &&
        heif_image_add_plane(image, heif_channel_interleaved, width, height, 8).code ==
            heif_error_Ok;
    if (ok) {
        int stride = 0;
        uint8_t* pixels = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                uint8_t* p = pixels + y * stride + 3 * x;
                const bool wall = x >= width / 4 && x < width / 4 + 8, red = y < height / 8;
                p[0] = wall ? 0 : 255;
                p[1] = p[2] = wall || red ? 0 : 255;
            }
        }
        heif_encoder_set_lossy_quality(encoder, 90);
        heif_encoding_options* options = heif_encoding_options_alloc();
        options->image_orientation = heif_orientation(orientation);
        ok = heif_context_encode_image(context, image, encoder, options, nullptr).code ==
                 heif_error_Ok &&
             heif_context_write_to_file(context, QFile::encodeName(path).constData()).code ==
                 heif_error_Ok;
        heif_encoding_options_free(options);
    }
    if (image) heif_image_release(image);
    if (encoder) heif_encoder_release(encoder);
    heif_context_free(context);
    return ok;
}

}  // namespace plan_files
