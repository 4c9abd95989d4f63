// SPDX-License-Identifier: GPL-3.0-or-later
#include "keeping_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "messages.h"
#include "picture_dialogs.h"
#include "scale_pages.h"
#include "to_qstring.h"

namespace {

const QString kArrangementFilter = QStringLiteral("ポコタムの配置 (*.pokotamu)");
const QString kPngFilter = QStringLiteral("PNG 画像 (*.png)");
const QString kPdfFilter = QStringLiteral("PDF 図面 (*.pdf)");
// Each kind of export with the ending a name chosen under it is given.
const std::pair<QString, QString> kExportFilters[] = {
    {kPngFilter, QStringLiteral("png")},
    {kPdfFilter, QStringLiteral("pdf")},
    {QStringLiteral("JPEG 画像 (*.jpg *.jpeg)"), QStringLiteral("jpg")},
    {QStringLiteral("TIFF 画像 (*.tif *.tiff)"), QStringLiteral("tif")},
    {QStringLiteral("WebP 画像 (*.webp)"), QStringLiteral("webp")},
};

// A dialog's answer; the window it came from active again, as not every platform makes it.
template <typename Dialog>
int answerOf(Dialog& dialog, QWidget* parent) {
    const int answer = dialog.exec();
    if (parent) parent->activateWindow();
    return answer;
}


}  // namespace

QString printTitle(int denominator) {
    return QStringLiteral("%1 — 縮尺 1:%2 の印刷。用紙に合わせず 100 % で印刷して下さい")
        .arg(toQString(kWindowTitle))
        .arg(denominator);
}

QString nameBesidePlan(const QString& plan, const QString& ending) {
    if (plan.isEmpty()) return QStringLiteral("配置") + ending;
    const QFileInfo picture(plan);
    return picture.dir().filePath(picture.completeBaseName() + ending);
}

QString QtKeepingDialogs::chooseFileToSave(QWidget* parent, Saving kind, const QString& suggested) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (kind == Saving::Arrangement) {
        dialog.setNameFilter(kArrangementFilter);
        dialog.setDefaultSuffix(QStringLiteral("pokotamu"));
    } else {
        QStringList filters;
        for (const auto& [filter, ending] : kExportFilters) filters << filter;
        dialog.setNameFilters(filters);
        dialog.setDefaultSuffix(QStringLiteral("png"));
        // The kind chosen in the list gives a name without an extension its extension.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& chosen) {
                             for (const auto& [filter, ending] : kExportFilters) {
                                 if (filter == chosen) dialog.setDefaultSuffix(ending);
                             }
                         });
    }
    dialog.selectFile(suggested);
    if (answerOf(dialog, parent) != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString QtKeepingDialogs::chooseArrangement(QWidget* parent) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({kArrangementFilter, QStringLiteral("すべてのファイル (*)")});
    if (answerOf(dialog, parent) != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

// Paper, turn and scale; each scale says how many pages it takes on the paper chosen, and a
// change of paper offers again the largest scale that fits it.
std::optional<PageChoice> QtKeepingDialogs::choosePage(QWidget* parent, QSizeF planMm,
                                                       const PageChoice& suggested) {
    QDialog dialog(parent);
    dialog.setWindowTitle(toQString(kWindowTitle));
    auto* form = new QFormLayout(&dialog);
    auto* paper = new QComboBox(&dialog);
    for (const QPageSize::PageSizeId size : scale_pages::papers()) {
        paper->addItem(QPageSize::name(size), int(size));
    }
    paper->setCurrentIndex(paper->findData(int(suggested.paper)));
    auto* turn = new QComboBox(&dialog);
    turn->addItems({QStringLiteral("縦"), QStringLiteral("横")});
    turn->setCurrentIndex(suggested.landscape ? 1 : 0);
    auto* scale = new QComboBox(&dialog);
    const auto chosen = [&] {
        return PageChoice{QPageSize::PageSizeId(paper->currentData().toInt()),
                          turn->currentIndex() == 1, scale->currentData().toInt()};
    };
    const auto offerScales = [&](int denominator) {
        scale->clear();
        for (const int each : scale_pages::denominators()) {
            PageChoice page = chosen();
            page.denominator = each;
            const QSize pages = scale_pages::pagesFor(planMm, page);
            scale->addItem(QStringLiteral("1:%1（%2 ページ）").arg(each).arg(pages.width() * pages.height()),
                           each);
        }
        scale->setCurrentIndex(scale->findData(denominator));
    };
    offerScales(suggested.denominator);
    const auto paperChanged = [&] {
        offerScales(scale_pages::fittingDenominator(
            planMm, scale_pages::drawingArea(scale_pages::layoutFor(chosen()))));
    };
    QObject::connect(paper, &QComboBox::currentIndexChanged, &dialog, paperChanged);
    QObject::connect(turn, &QComboBox::currentIndexChanged, &dialog, paperChanged);
    form->addRow(QStringLiteral("用紙："), paper);
    form->addRow(QStringLiteral("向き："), turn);
    form->addRow(QStringLiteral("縮尺："), scale);
    form->addRow(new QLabel(QStringLiteral("印刷は 100 % で（用紙に合わせずに）行います。"), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (answerOf(dialog, parent) != QDialog::Accepted) return std::nullopt;
    return chosen();
}

KeepingDialogs::BeforeClose QtKeepingDialogs::askBeforeClose(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, toQString(kWindowTitle),
                    QStringLiteral("配置が変更されています。保存しますか？"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    const int answer = answerOf(box, parent);
    if (answer == QMessageBox::Save) return BeforeClose::Save;
    if (answer == QMessageBox::Discard) return BeforeClose::Discard;
    return BeforeClose::Cancel;
}

void QtKeepingDialogs::report(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, toQString(kWindowTitle), message, QMessageBox::Ok,
                    parent);
    answerOf(box, parent);
}

void QtKeepingDialogs::previewPrint(QWidget* parent, const QPageLayout& page, int denominator,
                                    const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(page);
    QPrintPreviewDialog preview(&printer, parent);
    // The pages are drawn to the millimetre; a printer that fits them to its paper breaks the
    // scale, so the user is told to print them as they are.
    preview.setWindowTitle(printTitle(denominator));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* pages) { paint(*pages); });
    answerOf(preview, parent);
}
