// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The two dialogs of picture loading: choosing a file, and telling the user that a file
// could not be read. Tests substitute a scripted version.
class PictureDialogs : public QObject {
public:
    using QObject::QObject;

    // The chosen file's full path; empty when the user cancelled.
    virtual QString choosePicture(QWidget* parent) = 0;
    virtual void reportUnreadable(QWidget* parent, const QString& path, const QString& reason) = 0;
};

// The file-open dialog and a modal warning, in the window's language.
class QtPictureDialogs : public PictureDialogs {
public:
    using PictureDialogs::PictureDialogs;

    QString choosePicture(QWidget* parent) override;
    void reportUnreadable(QWidget* parent, const QString& path, const QString& reason) override;

    // "画像ファイル (*.bmp *.gif ...)" for every format the decoder reads.
    static QString pictureFilter();
};

QString unreadableMessage(const QString& path, const QString& reason);

class QFileDialog;
// Qt's own file dialog on every platform (the system dialogs keep lists of recent files), large
// enough to show each file's size, kind and date whole.
void prepareFileDialog(QFileDialog& dialog);
