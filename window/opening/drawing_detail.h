// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRectF>
#include <QTimer>
#include <memory>

#include "picture_reader_process.h"

class PictureArea;
class RoomDocument;
class QWidget;

// A PDF page zoomed beyond the resolution it was opened at is drawn again, the part in view
// only, at the view's resolution, by a reader of its own, once the view has stood still for a
// moment; until then, and zoomed out again, what was drawn before is shown. The picture, its
// twips and every click stay those of the page as it was opened.
class DrawingDetail : public QObject {
public:
    static constexpr int kSettleMilliseconds = 120;

    DrawingDetail(QWidget& window, PictureArea& area, RoomDocument& room);

private:
    // The part of the background in view and its scale: what would be drawn again now.
    struct Wanted {
        qint64 pictureKey = 0;
        QRectF inPicture;
        double scale = 0;
        friend bool operator==(const Wanted&, const Wanted&) = default;
    };
    Wanted wantedNow() const;
    void drawAgain();
    void drawn(const ReadPicture& result);

    QWidget& window_;
    PictureArea& area_;
    RoomDocument& room_;
    QTimer settle_;
    std::unique_ptr<PictureReaderProcess> reader_;  // made at the first zoom that needs it
    Wanted asked_;                                  // being drawn
    QRectF askedPart_;  // what is drawn of it: whole pixels at its scale
};
