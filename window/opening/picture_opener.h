#pragma once

#include <QObject>
#include <QString>
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

    // The steps after the file is chosen; a file that cannot be read is reported and
    // changes nothing more.
    void openBackground(const QString& path);
    void openForeground(const QString& path);

protected:
    // Drops on the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<ReadPicture> read(const QString& path);

    QWidget& window_;
    PictureArea& area_;
    PictureBox& sizer_;
    PictureDialogs& dialogs_;
    Buttons buttons_;
    PictureReaderProcess reader_;  // keeps the next reader ready
};
