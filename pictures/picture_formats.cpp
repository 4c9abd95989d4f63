// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_formats.h"

#include <QBuffer>
#include <QImageReader>

bool isRefusedFormat(const QByteArray& format) { return format == "mng" || format == "svgz"; }

QList<QByteArray> readablePictureFormats() {
    QList<QByteArray> formats = QImageReader::supportedImageFormats();
    formats.removeIf(isRefusedFormat);
    formats << "pdf"
            << "heic"
            << "heif";
    return formats;
}

QList<QByteArray> readablePictureMimeTypes() {
    QList<QByteArray> types = QImageReader::supportedMimeTypes();
    types.removeIf([](const QByteArray& type) {
        return type == "video/x-mng" || type == "image/svg+xml-compressed";
    });
    types << "application/pdf"
          << "image/heic"
          << "image/heif";
    return types;
}

void loadPictureDecoders() {
    QByteArray nothing("?");
    QBuffer none(&nothing);
    none.open(QIODevice::ReadOnly);
    QImageReader(&none).canRead();  // asks each plugin in turn
}
