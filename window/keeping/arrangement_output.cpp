// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_output.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <optional>

#include "keeping_dialogs.h"
#include "keeping_target.h"
#include "plan_drawing.h"
#include "real_sizes.h"
#include "room_document.h"
#include "scale_pages.h"
#include "shown_names.h"
#include "write_reasons.h"

PlanDrawing ArrangementOutput::drawing() const {
    PlanDrawing plan{room_.background().picture, room_.background().onWhitePaper, room_.pieces()};
    if (room_.foregroundShown()) plan.layers.push_back(room_.foreground());
    return plan;
}

std::optional<double> ArrangementOutput::mmPerPixel() {
    if (const std::optional<double> mmPerTwip = backgroundMmPerTwip(room_.state())) {
        return *mmPerTwip * kTwipsPerPixel;
    }
    dialogs_.report(&window_,
                    QStringLiteral("縮尺どおりに描くには、背景画像の縮尺が要ります。\n"
                                   "③で背景画像の 2 点をクリックし、距離を入力して下さい。"));
    return std::nullopt;
}

std::optional<PageChoice> ArrangementOutput::choosePage(double mmPerPixel) {
    const QSizeF planMm = QSizeF(room_.background().picture.size()) * mmPerPixel;
    const std::optional<PageChoice> page = dialogs_.choosePage(
        &window_, planMm, room_.page().value_or(scale_pages::suggestedPage(planMm)));
    if (page) room_.choosePage(*page);
    return page;
}

namespace {

// The format a name's ending asks for, where Qt writes it; "pdf" for pages at a scale, empty for
// an ending that is no known format.
QByteArray formatOf(const QString& path) {
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == QLatin1String("pdf")) return "pdf";
    const QByteArray format = ending == QLatin1String("jpg")   ? QByteArray("jpeg")
                              : ending == QLatin1String("tif") ? QByteArray("tiff")
                                                               : ending.toLatin1();
    const bool known = format == "png" || format == "jpeg" || format == "tiff" || format == "webp";
    return known && QImageWriter::supportedImageFormats().contains(format) ? format : QByteArray();
}

// A format without see-through shows the plan on white, as on paper.
QImage forFormat(QImage image, const QByteArray& format) {
    if (format != "jpeg" || !image.hasAlphaChannel()) return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    if (flat.isNull()) return flat;
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

}  // namespace

void ArrangementOutput::exportFile() {
    const QString path = chooseTarget(
        window_, dialogs_, KeepingDialogs::Saving::Export,
        nameBesidePlan(room_.background().file, QStringLiteral("-配置.png")), room_,
        [](const QString& chosen) {
            if (!formatOf(chosen).isEmpty()) return TargetName{chosen, {}};
            return TargetName{chosen,
                              QStringLiteral("%1 の形式では書き出せません。名前を .png・.jpg・"
                                             ".tif・.webp・.pdf のどれかで終えてください。")
                                  .arg(shownName(chosen))};
        });
    if (path.isEmpty()) return;
    const QByteArray format = formatOf(path);
    if (format == "pdf") {
        writePdf(path);
    } else {
        writePicture(path, format);
    }
}

void ArrangementOutput::report(const QString& path, const WriteResult& written) {
    if (written.written()) {
        if (written_) written_(path);
        return;
    }
    dialogs_.report(&window_, QStringLiteral("書き出せませんでした。\n%1\n%2")
                                  .arg(shownName(path), writeReasonText(written)));
}

void ArrangementOutput::writePicture(const QString& path, const QByteArray& format) {
    const QImage image = forFormat(drawing().toImage(), format);
    if (image.isNull()) {
        dialogs_.report(&window_, QStringLiteral("書き出す画像のためのメモリが足りません。"));
        return;
    }
    report(path, writeWholeFile(path, [&](QIODevice& file) {
               QImageWriter writer(&file, format);
               return writer.write(image) ? QString() : writer.errorString();
           }));
}

void ArrangementOutput::writePdf(const QString& path) {
    const std::optional<double> scale = mmPerPixel();
    if (!scale) return;
    const std::optional<PageChoice> page = choosePage(*scale);
    if (!page) return;
    report(path, writeWholeFile(path, [&](QIODevice& file) {
               QPdfWriter pdf(&file);
               pdf.setTitle(QFileInfo(room_.background().file).fileName());
               pdf.setCreator(QStringLiteral("ポコタム"));
               pdf.setPageLayout(scale_pages::layoutFor(*page));
               return scale_pages::paint(pdf, drawing(), *scale, page->denominator)
                          ? QString()
                          : QStringLiteral("PDF のページを描けません");
           }));
}

void ArrangementOutput::print() {
    const std::optional<double> scale = mmPerPixel();
    if (!scale) return;
    const std::optional<PageChoice> page = choosePage(*scale);
    if (!page) return;
    const PlanDrawing plan = drawing();
    dialogs_.previewPrint(&window_, scale_pages::layoutFor(*page), page->denominator,
                          [&](QPrinter& printer) {
        scale_pages::paint(printer, plan, *scale, page->denominator);
    });
}

void ArrangementOutput::copy() {
    const QImage image = drawing().toImage();
    if (!image.isNull()) QGuiApplication::clipboard()->setImage(image);
}
