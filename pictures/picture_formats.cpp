#include "picture_formats.h"

#include <QImageReader>

bool isRefusedFormat(const QByteArray& format) { return format == "mng"; }

QList<QByteArray> readablePictureFormats() {
    QList<QByteArray> formats = QImageReader::supportedImageFormats();
    formats.removeIf(isRefusedFormat);
    return formats;
}
