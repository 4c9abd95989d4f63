// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

// A page of a PDF as its chooser shows it.
struct PageGlimpse {
    QImage picture;  // small; null where it could not be rendered
    QSizeF points;   // its paper
};

// The dialogs of picture loading: choosing a file and a page of it, telling the user that a
// file could not be read, and asking what the plan's paper says. Tests substitute a scripted
// version.
class PictureDialogs : public QObject {
public:
    using QObject::QObject;

    // The chosen file's full path; empty when the user cancelled.
    virtual QString choosePicture(QWidget* parent) = 0;
    virtual void reportUnreadable(QWidget* parent, const QString& path, const QString& reason) = 0;
    // Which of `pageCount` pages to open, from 0, the first ones shown by their glimpses;
    // empty when cancelled.
    virtual std::optional<int> choosePdfPage(QWidget* parent, const QString& path, int pageCount,
                                             const std::vector<PageGlimpse>& glimpses) = 0;
    // The plan's drawing scale as typed, "1:50" first offered; empty when cancelled.
    virtual QString askDrawingScale(QWidget* parent) = 0;
    // Whether the user takes what `question` says.
    virtual bool confirm(QWidget* parent, const QString& question) = 0;
    virtual void warn(QWidget* parent, const QString& message) = 0;
};

// The file-open dialog and a modal warning, in the window's language.
class QtPictureDialogs : public PictureDialogs {
public:
    using PictureDialogs::PictureDialogs;

    QString choosePicture(QWidget* parent) override;
    void reportUnreadable(QWidget* parent, const QString& path, const QString& reason) override;
    std::optional<int> choosePdfPage(QWidget* parent, const QString& path, int pageCount,
                                     const std::vector<PageGlimpse>& glimpses) override;
    QString askDrawingScale(QWidget* parent) override;
    bool confirm(QWidget* parent, const QString& question) override;
    void warn(QWidget* parent, const QString& message) override;

    // "画像ファイル (*.bmp *.gif ...)" for every format the decoder reads.
    static QString pictureFilter();
};

QString unreadableMessage(const QString& path, const QString& reason);
// "2 ページ　A3 横（420 × 297 mm）": a page as the chooser names it, from 0.
QString pageName(int page, QSizeF points);
// The drawing scales offered, the first taken by Return.
inline constexpr const char* kOfferedDrawingScales[] = {"1:50", "1:20", "1:100"};

class QFileDialog;
// Qt's own file dialog on every platform (the system dialogs keep lists of recent files), large
// enough to show each file's size, kind and date whole.
void prepareFileDialog(QFileDialog& dialog);
