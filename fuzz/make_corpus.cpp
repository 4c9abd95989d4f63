// SPDX-License-Identifier: GPL-3.0-or-later
// Writes small seed pictures, one of each format: make_fuzz_corpus FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include "picture_files.h"
#include "plan_files.h"

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
    for (const char* format : {"png", "jpg", "bmp", "ico", "tiff", "webp"}) {
        QImageWriter writer(folder.filePath(QStringLiteral("seed.") + QLatin1String(format)));
        writer.setProgressiveScanWrite(true);  // JPEG: the kind whose decoding is costliest
        if (!writer.write(picture)) ++failures;
    }
    if (!plan_files::writeHeic(folder.filePath(QStringLiteral("seed.heic")), 24, 16, 6)) ++failures;
    if (!picture_files::write(
            folder.filePath(QStringLiteral("seed.svg")),
            R"(<svg xmlns="http://www.w3.org/2000/svg" )"
            R"(xmlns:xlink="http://www.w3.org/1999/xlink" width="24" height="16">)"
            R"(<defs><rect id="r" width="4" height="4"/></defs>)"
            R"(<style>rect { fill: url(#g) }</style><use xlink:href="#r" x="2"/>)"
            R"(<image href="x.png" width="2" height="2"/><text y="12">図 a</text></svg>)")) {
        ++failures;
    }
    // Qt writes no GIF: a two-frame one made by hand.
    if (!picture_files::write(folder.filePath(QStringLiteral("seed.gif")),
                              picture_files::twoFrameGif())) {
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
