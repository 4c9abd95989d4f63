// SPDX-License-Identifier: GPL-3.0-or-later
#include "keeping_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "messages.h"
#include "picture_dialogs.h"
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

QString scaleText(int denominator) { return QStringLiteral("1:%1").arg(denominator); }

}  // namespace

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

std::optional<int> QtKeepingDialogs::chooseScale(QWidget* parent, std::span<const int> denominators,
                                                 int suggested) {
    QStringList items;
    int current = 0;
    for (const int denominator : denominators) {
        if (denominator == suggested) current = int(items.size());
        items << scaleText(denominator);
    }
    bool chosen = false;
    const QString item = QInputDialog::getItem(
        parent, toQString(kWindowTitle), QStringLiteral("縮尺："), items, current, false, &chosen);
    if (!chosen) return std::nullopt;
    return denominators[std::size_t(items.indexOf(item))];
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

void QtKeepingDialogs::previewPrint(QWidget* parent, const QPageLayout& page,
                                    const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(page);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(toQString(kWindowTitle));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* pages) { paint(*pages); });
    answerOf(preview, parent);
}
