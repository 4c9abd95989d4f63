// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class PictureDialogs;
class QWidget;
class RoomDocument;

// The plan's scale from its paper: the drawing scale asked, what the plan's file says of its
// paper confirmed where it is a stated resolution, and the scale it gives taken as the plan's
// calibration, one step; or the true reason there is none, told.
class PlanScale {
public:
    PlanScale(QWidget& window, RoomDocument& room, PictureDialogs& dialogs,
              QString decimalSeparator)
        : window_(window),
          room_(room),
          dialogs_(dialogs),
          decimalSeparator_(std::move(decimalSeparator)) {}

    void setFromPaper();

private:
    QWidget& window_;
    RoomDocument& room_;
    PictureDialogs& dialogs_;
    QString decimalSeparator_;
};
