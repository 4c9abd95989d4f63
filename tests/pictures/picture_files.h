// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <zlib.h>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>

// Picture files that Qt cannot write itself, made byte by byte.
namespace picture_files {

inline QByteArray pngChunk(const char* type, const QByteArray& data) {
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray body = QByteArray(type) + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(
        quint32(::crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()))),
        crc.data());
    return chunk + body + crc;
}

inline QByteArray pngHeader(quint32 width, quint32 height, int bitDepth, int colorType,
                            bool interlaced = false) {
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = char(bitDepth);
    header[9] = char(colorType);
    header[12] = char(interlaced ? 1 : 0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header);
}

// A PNG whose header declares the given size and whose pixel data is an empty stream.
inline QByteArray pngHeaderOnly(quint32 width, quint32 height) {
    return pngHeader(width, height, 8, 2) +
           pngChunk("IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)) +
           pngChunk("IEND", {});
}

// PNG pixel data compressed as it comes, a row at a time, so that even 100 megapixels are made
// in little memory.
class PngData {
public:
    PngData() { deflateInit(&z_, Z_BEST_SPEED); }
    ~PngData() { deflateEnd(&z_); }
    PngData(const PngData&) = delete;
    PngData& operator=(const PngData&) = delete;

    void addRow(const QByteArray& row) { pump(row, Z_NO_FLUSH); }
    // The IDAT and IEND chunks that end the file.
    QByteArray finish() {
        pump({}, Z_FINISH);
        return pngChunk("IDAT", stream_) + pngChunk("IEND", {});
    }

private:
    void pump(const QByteArray& in, int flush) {
        z_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
        z_.avail_in = uInt(in.size());
        char out[1 << 16];
        do {
            z_.next_out = reinterpret_cast<Bytef*>(out);
            z_.avail_out = sizeof out;
            deflate(&z_, flush);
            stream_.append(out, int(sizeof out - z_.avail_out));
        } while (z_.avail_out == 0);
    }

    z_stream z_{};
    QByteArray stream_;
};

// A black PNG (every sample 0). Colour types: 0 grey, 2 RGB, 4 grey and alpha, 6 RGBA.
inline QByteArray blackPng(quint32 width, quint32 height, int bitDepth = 8, int colorType = 2) {
    const int channels = colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1;
    const QByteArray row(1 + int((qint64(width) * channels * bitDepth + 7) / 8), '\0');
    PngData data;
    for (quint32 y = 0; y < height; ++y) data.addRow(row);
    return pngHeader(width, height, bitDepth, colorType) + data.finish();
}

// The JPEG with an orientation tag placed after its start marker (a minimal EXIF block).
inline QByteArray withOrientation(const QByteArray& jpeg, quint16 orientation) {
    QByteArray exif("Exif\0\0MM\0\x2a\0\0\0\x08", 14);         // big-endian TIFF, IFD at 8
    exif += QByteArray("\0\x01\x01\x12\0\x03\0\0\0\x01", 10);  // one entry: SHORT tag 0x112
    exif += char(orientation >> 8);
    exif += char(orientation & 0xff);
    exif += QByteArray(6, '\0');  // value padding, no next IFD
    QByteArray segment("\xff\xe1\0\0", 4);
    qToBigEndian<quint16>(quint16(exif.size() + 2), segment.data() + 2);
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

// Two frames of 4 x 3 pixels: red, then blue.
inline QByteArray twoFrameGif() {
    static const unsigned char bytes[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x03, 0x00, 0xf0, 0x00, 0x00, 0xff,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21,
        0xff, 0x0b, 0x4e, 0x45, 0x54, 0x53, 0x43, 0x41, 0x50, 0x45, 0x32, 0x2e, 0x30, 0x03,
        0x01, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x03, 0x00, 0x00,
        0x02, 0x03, 0x84, 0x8f, 0x56, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x03, 0x00, 0x80, 0x00, 0x00, 0xff, 0x00,
        0x00, 0x00, 0x02, 0x03, 0x84, 0x8f, 0x56, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// A PDF of one page drawing `content` (read through `filter`), with `objects` beside it (4 on),
// the first of them named F in the page's resources.
inline QByteArray onePagePdf(const QByteArray& content, const QByteArray& objects = {},
                             const QByteArray& filter = {}) {
    return "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
           "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n"
           "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] "
           "/Resources << /XObject << /F 4 0 R >> >> /Contents 5 0 R >> endobj\n" +
           objects + "5 0 obj << " + filter + " /Length " + QByteArray::number(content.size()) +
           " >> stream\n" + content + "\nendstream endobj\ntrailer << /Root 1 0 R >>\n%%EOF\n";
}

// A page whose form draws itself twice, halved, and so on without end: PDFium keeps at it.
inline QByteArray selfDrawingPdf() {
    const QByteArray form = "q 0.5 0 0 0.5 0 0 cm /F Do Q /F Do";
    return onePagePdf("/F Do",
                      "4 0 obj << /Type /XObject /Subtype /Form /BBox [0 0 200 200] "
                      "/Resources << /XObject << /F 4 0 R >> >> /Length " +
                          QByteArray::number(form.size()) + " >> stream\n" + form +
                          "\nendstream endobj\n");
}

inline bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace picture_files
