// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "picture_file_reader.h"
#include "picture_reader_process.h"
#include "sharpening.h"

class PictureArea;
class PictureDialogs;
class RoomDocument;
class QAbstractButton;
class QWidget;

// The two "..." buttons: a chosen file is read in a reader process, then its picture is placed
// in the room: the background, with the window fitted to it, the foreground at the top-left
// corner, sized through the hidden Picture2. A file dropped on the window does what the
// button of the chosen task would do with it. A large picture that opens at a small zoom is
// shown from a reduced copy at once, its geometry already whole, and sharpened once its pixels
// are written.
class PictureOpener : public QObject {
public:
    struct Buttons {
        QAbstractButton& background;  // Command1
        QAbstractButton& foreground;  // Command2
    };
    PictureOpener(QWidget& window, PictureArea& area, RoomDocument& room, PictureDialogs& dialogs,
                  Sharpening& sharpening, Buttons buttons);

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
    // changes nothing more. Each waits first for the pictures still being written. A PDF of
    // several pages opens at `page` (from 0), or where none is named, at the page the user
    // chooses.
    void openBackground(const QString& path, std::optional<int> page = std::nullopt);
    void openForeground(const QString& path);
    // A file is about to be opened (named on the command line): its reader starts now, beside
    // the window's own start, rather than after the window's first paint.
    void prepareToRead() { readerReady(); }

    // The parts of those steps, for the next piece: the file dialog's choice (empty when
    // cancelled); the picture read whole (empty when cancelled, or not read and reported).
    QString choosePicture();
    std::optional<ReadPicture> read(const QString& path);
    // The same, with a file that cannot be read not reported but returned with its problem;
    // empty only when cancelled.
    std::optional<ReadPicture> readUnreported(const QString& path, const FirstView& view = {},
                                              const ReadRequest& request = {});

protected:
    // Drops on the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A picture for the view it opens in, shown reduced first where it needs fewer pixels.
    std::optional<ReadPicture> readFor(const QString& path, const FirstView& view,
                                       const ReadRequest& request = {});
    // The page of a PDF of `pageCount` pages the user chooses, from glimpses of the first.
    std::optional<int> choosePage(const QString& path, int pageCount);
    // The reader that keeps itself ready for the next file, made if there is none.
    PictureReaderProcess& readerReady();
    FirstView backgroundView() const;
    FirstView foregroundView() const;
    // The reader still writing the picture just shown goes on beside the next one's.
    void keepSharpening(const ReadPicture& picture, const QString& path, Sharpening::Moment before);

    QWidget& window_;
    PictureArea& area_;
    RoomDocument& room_;
    PictureDialogs& dialogs_;
    Sharpening& sharpening_;
    Buttons buttons_;
    std::unique_ptr<PictureReaderProcess> reader_;  // keeps the next reader ready
    bool firstPainted_ = false;
    std::function<void()> opened_;
    std::function<void(const QString&)> arrangementChosen_;
};
