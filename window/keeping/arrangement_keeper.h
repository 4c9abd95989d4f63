// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "arrangement.h"

class KeepingDialogs;
class PictureArea;
class PictureOpener;
class QWidget;
class RoomDocument;
struct Room;

// Saving the room to an arrangement file the user names and opening one again as it was: the
// same pictures, places, sizes, turns, see-through and calibrations. It writes only where the
// user says, and asks before a close would lose kept work.
class ArrangementKeeper {
public:
    // It tells the user once when the pieces are held smaller than the plan to stay in memory.
    ArrangementKeeper(QWidget& window, PictureArea& area, PictureOpener& opener, RoomDocument& room,
                      KeepingDialogs& dialogs);

    // Asks for the file's name; true once written.
    bool save();
    // Told each file written, with its name.
    void onWritten(std::function<void(const QString& path)> written) { written_ = std::move(written); }
    // Asks for the file, then opens it.
    void open();
    // Opens the arrangement file: a file refused leaves the window as it was; pictures that
    // cannot be read are reported by name, and the rest opens. A cancelled reading changes
    // nothing.
    void open(const QString& path);

    // Whether the window may close: asks first when kept pieces, or an arrangement saved or
    // opened, would be lost.
    bool mayClose();

private:
    static QString piecesReducedNote();
    // The room of the arrangement, its pictures read before anything is shown; the pictures not
    // read are named with their reasons in `reasons`, what else the user is told in `notes`.
    // Empty when the user cancelled a reading.
    std::optional<Room> readPictures(const Arrangement& arrangement, QStringList& reasons,
                                     QStringList& notes);

    QWidget& window_;
    PictureArea& area_;
    PictureOpener& opener_;
    RoomDocument& room_;
    KeepingDialogs& dialogs_;
    std::function<void(const QString&)> written_;
};
