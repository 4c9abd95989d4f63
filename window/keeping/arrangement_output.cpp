#include "arrangement_output.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPdfWriter>
#include <QPrinter>
#include <optional>

#include "keeping_dialogs.h"
#include "plan_drawing.h"
#include "real_sizes.h"
#include "room_document.h"
#include "scale_pages.h"

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

std::optional<int> ArrangementOutput::chooseScale(double mmPerPixel, QSizeF pageMm) {
    const QSizeF planMm = QSizeF(room_.background().picture.size()) * mmPerPixel;
    return dialogs_.chooseScale(&window_, scale_pages::denominators(),
                                scale_pages::fittingDenominator(planMm, pageMm));
}

void ArrangementOutput::exportFile() {
    const QString path = dialogs_.chooseFileToSave(
        &window_, KeepingDialogs::Saving::Export,
        nameBesidePlan(room_.background().file, QStringLiteral("-配置.png")));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
        writePdf(path);
    } else {
        writePng(path);
    }
}

void ArrangementOutput::writePng(const QString& path) {
    QImageWriter writer(path, "png");
    const QImage image = drawing().toImage();
    if (image.isNull()) {
        dialogs_.report(&window_, QStringLiteral("書き出す画像のためのメモリが足りません。"));
    } else if (!writer.write(image)) {
        dialogs_.report(
            &window_,
            QStringLiteral("書き出せませんでした。\n%1\n%2").arg(path, writer.errorString()));
    }
}

void ArrangementOutput::writePdf(const QString& path) {
    const std::optional<double> scale = mmPerPixel();
    if (!scale) return;
    const QPageLayout page = scale_pages::a4For(room_.background().picture.size());
    const std::optional<int> denominator = chooseScale(*scale, scale_pages::drawingArea(page));
    if (!denominator) return;
    QPdfWriter pdf(path);
    pdf.setTitle(QFileInfo(room_.background().file).fileName());
    pdf.setCreator(QStringLiteral("ポコタム"));
    pdf.setPageLayout(page);
    if (!scale_pages::paint(pdf, drawing(), *scale, *denominator)) {
        dialogs_.report(&window_, QStringLiteral("書き出せませんでした。\n%1").arg(path));
    }
}

void ArrangementOutput::print() {
    const std::optional<double> scale = mmPerPixel();
    if (!scale) return;
    const QPageLayout page = scale_pages::a4For(room_.background().picture.size());
    const std::optional<int> denominator = chooseScale(*scale, scale_pages::drawingArea(page));
    if (!denominator) return;
    const PlanDrawing plan = drawing();
    dialogs_.previewPrint(&window_, page, [&](QPrinter& printer) {
        scale_pages::paint(printer, plan, *scale, *denominator);
    });
}

void ArrangementOutput::copy() {
    const QImage image = drawing().toImage();
    if (!image.isNull()) QGuiApplication::clipboard()->setImage(image);
}
