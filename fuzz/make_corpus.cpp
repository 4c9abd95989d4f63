// Writes small seed pictures, one of each format: make_fuzz_corpus FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    QImage picture(24, 16, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(2, 2, 14, 10, QColor(200, 60, 40));
    painter.fillRect(10, 6, 12, 8, QColor(40, 90, 220, 160));
    painter.end();

    int failures = 0;
    for (const char* format : {"png", "jpg", "bmp", "ico", "tiff", "webp", "gif"}) {
        QImageWriter writer(folder.filePath(QStringLiteral("seed.") + QLatin1String(format)));
        if (QLatin1String(format) == QLatin1String("jpg")) writer.setProgressiveScanWrite(true);
        if (!writer.write(picture) && QLatin1String(format) != QLatin1String("gif")) ++failures;
    }
    // Qt writes no GIF: a two-frame one of 4 x 3 pixels, by hand.
    static const unsigned char gif[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x03, 0x00, 0xf0, 0x00, 0x00, 0xff,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c,
        0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x03, 0x00, 0x00, 0x02, 0x03, 0x84, 0x8f, 0x56,
        0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
        0x04, 0x00, 0x03, 0x00, 0x80, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x02, 0x03, 0x84,
        0x8f, 0x56, 0x00, 0x3b};
    QFile file(folder.filePath(QStringLiteral("seed.gif")));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(gif), sizeof gif) != qint64(sizeof gif)) ++failures;
    return failures == 0 ? 0 : 1;
}
