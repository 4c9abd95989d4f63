// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "picture_reader_process.h"
#include "room_document.h"
#include "view_placement.h"

class PictureArea;
class PictureDialogs;
class QWidget;

// Pictures shown from a reduced copy while their readers still write the whole: each is painted
// sharp once its pixels are written. One whose whole cannot be read is reported, and the window
// goes back to where it was before that picture opened, as for any picture that cannot be read;
// one whose wait the user cancels goes back the same way, without a report. It is how the room
// waits for whole pixels.
class Sharpening : public QObject {
public:
    Sharpening(QWidget& window, PictureArea& area, RoomDocument& room, PictureDialogs& dialogs);

    // The window as it is, before a picture is opened.
    struct Moment {
        RoomDocument::Snapshot room;
        ViewPlacement view;
    };
    Moment now() const;
    // Follows `reader`, still writing the picture read from `path`, which the room shows from a
    // reduced copy since `before`.
    void follow(std::unique_ptr<PictureReaderProcess> reader, const QString& path, Moment before);

private:
    struct Pending {
        std::unique_ptr<PictureReaderProcess> reader;
        QString path;
        Moment before;
    };
    // Waits for every picture still being written, as a reading is waited for; then the window
    // shows only whole pixels. False when it went back to before one of them (a failure or a
    // cancelled wait).
    bool finish();
    void written(PictureReaderProcess* reader, const ReadPicture& result);
    // Back to before the picture of `from` opened: it and every one opened after it are dropped.
    void goBack(std::size_t from);

    QWidget& window_;
    PictureArea& area_;
    RoomDocument& room_;
    PictureDialogs& dialogs_;
    std::vector<Pending> pending_;
};
