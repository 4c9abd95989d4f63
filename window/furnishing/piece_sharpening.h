// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>
#include <memory>

class PictureArea;
class PictureReaderProcess;
class RoomDocument;
struct ReadPicture;

// Pieces are held at the plan's density. Zoomed in, the pieces in view are read again from their
// files as sharp as the view shows them (at most as the file is), one at a time and without
// waiting; out of view or zoomed out again, they go back to the plan's density. What they hold
// sharper stays within one budget of its own.
class PieceSharpening : public QObject {
public:
    // The most pixels the pieces in view hold beyond the plan's density: 256 MB at four bytes.
    static constexpr qint64 kSharpPixels = qint64(64) << 20;

    PieceSharpening(PictureArea& area, RoomDocument& room);
    ~PieceSharpening() override;

private:
    // Soon after the view or the pieces change, once they rest.
    void lookSoon();
    void look();
    void taken(const ReadPicture& read);

    PictureArea& area_;
    RoomDocument& room_;
    QTimer soon_;
    std::unique_ptr<PictureReaderProcess> reader_;
    qint64 reading_ = 0;  // the pixels the picture being read will stand for
    QSize wanted_;        // at this size, turned as the piece is
    int quarterTurns_ = 0;
};
