// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
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

QString QtPictureDialogs::choosePicture(QWidget* parent) {
    QFileDialog dialog(parent);
    // Qt's own dialog on every platform: the system dialogs keep lists of recent files.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name need not exist; a missing file is reported when it is read.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({pictureFilter(), QStringLiteral("すべてのファイル (*)")});
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted) return {};
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
