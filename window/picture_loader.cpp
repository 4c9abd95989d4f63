#include "picture_loader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

bool fitsBounds(QSize size) {
    return size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide &&
           qint64(size.width()) * size.height() <= kMaxPicturePixels;
}

// Painting copies these two formats straight; converting once here spares every repaint.
QImage displayReady(QImage image) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() == format) return image;
    return std::move(image).convertToFormat(format);
}

}  // namespace

LoadedPicture loadPicture(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {{}, PictureProblem::Missing};
    if (!info.isFile()) return {{}, PictureProblem::NotAPicture};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, PictureProblem::Unopenable};
    if (file.size() == 0) return {{}, PictureProblem::Empty};

    QImageReader reader(&file);
    reader.setAutoTransform(true);
    // The limit is in megabytes; it backs up the size check for formats whose header
    // does not tell the size.
    reader.setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1);
    if (!reader.canRead()) return {{}, PictureProblem::NotAPicture};
    if (const QSize size = reader.size(); size.isValid() && !fitsBounds(size)) {
        return {{}, PictureProblem::TooLarge};
    }

    QImage image;
    if (!reader.read(&image) || image.isNull()) return {{}, PictureProblem::Damaged};
    if (!fitsBounds(image.size())) return {{}, PictureProblem::TooLarge};
    return {displayReady(std::move(image)), PictureProblem::None};
}

QString describe(PictureProblem problem) {
    switch (problem) {
        case PictureProblem::None:
            return {};
        case PictureProblem::Missing:
            return QStringLiteral("ファイルが見つかりません。");
        case PictureProblem::Unopenable:
            return QStringLiteral("ファイルを開けません。");
        case PictureProblem::Empty:
            return QStringLiteral("ファイルが空です。");
        case PictureProblem::NotAPicture:
            return QStringLiteral("画像ファイルではないか、対応していない形式です。");
        case PictureProblem::Damaged:
            return QStringLiteral("画像ファイルが壊れています。");
        case PictureProblem::TooLarge:
            // Written as a Japanese reader writes the bound: 1 億 is 100 million.
            return QStringLiteral(
                       "画像が大きすぎます（幅と高さは %1 ピクセル、全体で %2 億画素まで）。")
                .arg(kMaxPictureSide)
                .arg(kMaxPicturePixels / 100'000'000);
    }
    return {};
}
