#include "picture_loader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstring>
#include <limits>
#include <type_traits>

#include "file_structure.h"

namespace {

// A file that ends as soon as the decoding is cancelled.
class CancellableFile : public QIODevice {
public:
    CancellableFile(const QString& path, const std::atomic<bool>* cancelled)
        : file_(path), cancelled_(cancelled) {}

    // A few bytes of a progressive JPEG can keep its decoder busy for a long while, so it gets
    // its data a little at a time and sees a cancel soon. Only decoders that take short reads
    // as they come may be given them.
    void readLittleAtATime() { maxRead_ = 256; }

    bool open(OpenMode mode) override {
        return file_.open(mode) && QIODevice::open(mode | QIODevice::Unbuffered);
    }
    qint64 size() const override { return file_.size(); }
    bool seek(qint64 position) override {
        return QIODevice::seek(position) && file_.seek(position);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (cancelled_ && cancelled_->load()) return 0;
        return file_.read(data, std::min(maxSize, maxRead_));
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile file_;
    const std::atomic<bool>* cancelled_;
    qint64 maxRead_ = std::numeric_limits<qint64>::max();
};

bool fitsBounds(QSize size) { return fitsPictureBounds(size.width(), size.height()); }

// Formats whose decoders cannot be kept within the memory bound: MNG animations decode
// frames of any size their inner headers claim.
bool isRefusedFormat(const QByteArray& format) { return format == "mng"; }

}  // namespace

QList<QByteArray> readablePictureFormats() {
    QList<QByteArray> formats = QImageReader::supportedImageFormats();
    formats.removeIf(isRefusedFormat);
    return formats;
}

namespace {

// The format the decoder says it decodes into. Some decoders answer from a field that a
// damaged header never set, so an answer out of range counts as none.
QImage::Format announcedFormat(const QImageReader& reader) {
    const QImage::Format answer = reader.imageFormat();
    std::underlying_type_t<QImage::Format> raw;
    std::memcpy(&raw, &answer, sizeof raw);  // read as a number: it may be no format at all
    if (raw <= QImage::Format_Invalid || raw >= QImage::NImageFormats)
        return QImage::Format_Invalid;
    return static_cast<QImage::Format>(raw);
}

// The decoder's own allocation limit, in megabytes, at the bytes a pixel it decodes into
// (sixteen-bit pictures take eight); for formats that do not tell, the most any takes.
int allocationLimitMegabytes(QImage::Format format) {
    const int bits =
        format == QImage::Format_Invalid ? 64 : int(QImage::toPixelFormat(format).bitsPerPixel());
    return int(kMaxPicturePixels * bits / 8 / (1024 * 1024)) + 1;
}

// Painting copies these two formats straight; converting once here spares every repaint.
QImage displayReady(QImage image) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() == format) return image;
    return std::move(image).convertToFormat(format);
}

}  // namespace

LoadedPicture loadPicture(const QString& path, const std::atomic<bool>* cancelled) {
    const QFileInfo info(path);
    if (!info.exists()) return {{}, PictureProblem::Missing};
    if (!info.isFile()) return {{}, PictureProblem::NotAPicture};

    CancellableFile file(path, cancelled);
    if (!file.open(QIODevice::ReadOnly)) return {{}, PictureProblem::Unopenable};
    if (file.size() == 0) return {{}, PictureProblem::Empty};

    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (!reader.canRead() || isRefusedFormat(reader.format())) {
        return {{}, PictureProblem::NotAPicture};
    }
    const QByteArray format = reader.format();
    if (const PictureProblem problem = checkStructure(file, format);
        problem != PictureProblem::None) {
        return {{}, problem};
    }
    if (const QSize size = reader.size(); size.isValid() && !fitsBounds(size)) {
        return {{}, PictureProblem::TooLarge};
    }
    // Backs up the size check for formats whose header does not tell the size.
    reader.setAllocationLimit(allocationLimitMegabytes(announcedFormat(reader)));
    if (format == "jpeg") file.readLittleAtATime();

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
