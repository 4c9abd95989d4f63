// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "keeping_dialogs.h"

class RoomDocument;
class QWidget;

// What a name the user chose stands for: the file to write (the name with the ending its kind
// needs), or why nothing can be written under it.
struct TargetName {
    QString path;
    QString refusal;
};

// The file a room's file is written to, as the user names it: `named` gives a name the ending
// its kind needs or refuses it; a name that stands for a picture the room uses is refused before
// anything is written. A refused name is said why and asked for again. Empty when cancelled.
QString chooseTarget(QWidget& window, KeepingDialogs& dialogs, KeepingDialogs::Saving kind,
                     QString suggested, const RoomDocument& room,
                     const std::function<TargetName(const QString& chosen)>& named);
