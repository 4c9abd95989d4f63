#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "picture_file_reader.h"
#include "picture_reader_process.h"

class PictureArea;
class PictureBox;
class PictureDialogs;
class QAbstractButton;
class QWidget;

// The two "..." buttons: a chosen file is read in a reader process, then its picture is placed:
// the background into the picture area, with the window fitted to it, the foreground at the
// top-left corner, sized through the hidden Picture2. A file dropped on the window does what the
// button of the chosen task would do with it.
class PictureOpener : public QObject {
public:
    struct Buttons {
        QAbstractButton& background;  // Command1
        QAbstractButton& foreground;  // Command2
    };
    PictureOpener(QWidget& window, PictureArea& area, PictureBox& sizer, PictureDialogs& dialogs,
                  Buttons buttons);

    void command1Click();
    void command2Click();
    // Told once a picture has been opened and shown.
    void onOpened(std::function<void()> opened) { opened_ = std::move(opened); }
    // Given an arrangement file where the background's file was expected, from the first "..."
    // button, or dropped on the window whatever the task.
    void onArrangementChosen(std::function<void(const QString&)> chosen) {
        arrangementChosen_ = std::move(chosen);
    }

    // The steps after the file is chosen; a file that cannot be read is reported and
    // changes nothing more.
    void openBackground(const QString& path);
    void openForeground(const QString& path);

    // The parts of those steps, for the next piece: the file dialog's choice (empty when
    // cancelled); the picture read (empty when cancelled, or not read and reported); the
    // foreground shown at the plan's top-left corner at its own size.
    QString choosePicture();
    std::optional<ReadPicture> read(const QString& path);
    // The same, with a file that cannot be read not reported but returned with its problem;
    // empty only when cancelled.
    std::optional<ReadPicture> readUnreported(const QString& path);
    void placeForeground(const QString& path, const ReadPicture& picture);

protected:
    // Drops on the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    PictureArea& area_;
    PictureBox& sizer_;
    PictureDialogs& dialogs_;
    Buttons buttons_;
    PictureReaderProcess reader_;  // keeps the next reader ready
    std::function<void()> opened_;
    std::function<void(const QString&)> arrangementChosen_;
};
