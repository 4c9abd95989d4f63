// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_dialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QTreeView>
#include <QStringList>

#include "messages.h"
#include "picture_formats.h"
#include "shown_names.h"
#include "to_qstring.h"

QString QtPictureDialogs::pictureFilter() {
    QStringList patterns;
    for (const QByteArray& suffix : readablePictureFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(suffix);
    }
    return QStringLiteral("画像ファイル (%1)").arg(patterns.join(u' '));
}

void prepareFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    const QScreen* screen = dialog.screen();
    const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : QSize(900, 560);
    dialog.resize(QSize(900, 560).boundedTo(room));
    // The name takes what is left; size, kind and date their whole words.
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* columns = files->header();
        for (int column = 1; column < columns->count(); ++column) {
            columns->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
        columns->setSectionResizeMode(0, QHeaderView::Stretch);
        columns->setStretchLastSection(false);
    }
}

QString QtPictureDialogs::choosePicture(QWidget* parent) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name need not exist; a missing file is reported when it is read.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({pictureFilter(), QStringLiteral("すべてのファイル (*)")});
    dialog.selectFile(QString());
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (parent) parent->activateWindow();  // not every platform gives the activation back
    if (!chosen) return {};
    return dialog.selectedFiles().value(0);
}

QString unreadableMessage(const QString& path, const QString& reason) {
    return QStringLiteral("画像を読み込めませんでした。\n%1\n%2").arg(shownName(path), reason);
}

void QtPictureDialogs::reportUnreadable(QWidget* parent, const QString& path,
                                        const QString& reason) {
    QMessageBox box(QMessageBox::Warning, toQString(kWindowTitle), unreadableMessage(path, reason),
                    QMessageBox::Ok, parent);
    box.exec();
}
