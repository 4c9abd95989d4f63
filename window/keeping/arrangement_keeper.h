#pragma once

#include <QString>
#include <optional>

#include "arrangement.h"

class KeepingDialogs;
class PictureArea;
class PictureOpener;
class QAbstractButton;
class QWidget;
class Workflow;

// Saving the arrangement to a file the user names and opening one again as it was: the same
// pictures, places, sizes, turns, see-through and calibrations. It writes only where the user
// says, and asks before a close would lose kept work.
class ArrangementKeeper {
public:
    // `option3`: the third task's option, which an opened arrangement's calibrations belong to.
    ArrangementKeeper(QWidget& window, PictureArea& area, PictureOpener& opener, Workflow& workflow,
                      QAbstractButton& option3, KeepingDialogs& dialogs)
        : window_(window),
          area_(area),
          opener_(opener),
          workflow_(workflow),
          option3_(option3),
          dialogs_(dialogs) {}

    // The arrangement as the window shows it now.
    Arrangement current() const;

    // Asks for the file's name; true once written.
    bool save();
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
    struct Opened;
    std::optional<Opened> readPictures(const Arrangement& arrangement);
    void show(const Arrangement& arrangement, Opened& opened);

    QWidget& window_;
    PictureArea& area_;
    PictureOpener& opener_;
    Workflow& workflow_;
    QAbstractButton& option3_;
    KeepingDialogs& dialogs_;
    // The pictures of the opened arrangement that could not be read: kept in it, so that saving
    // it where their files are out of reach does not lose them.
    Arrangement unread_;
    QString file_;                     // the arrangement's, once saved or opened
    std::optional<Arrangement> kept_;  // as last saved or opened
};
