// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_detail.h"

#include <QWidget>
#include <cmath>

#include "picture_area.h"
#include "picture_box.h"
#include "room_document.h"

DrawingDetail::DrawingDetail(QWidget& window, PictureArea& area, RoomDocument& room)
    : window_(window), area_(area), room_(room) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, &DrawingDetail::drawAgain);
    connect(&area_, &PictureArea::shownChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&area_, &PictureArea::levelChanged, &settle_, qOverload<>(&QTimer::start));
}

DrawingDetail::Wanted DrawingDetail::wantedNow() const {
    const BackgroundRecord& background = room_.background();
    const PictureBox& box = area_.background();
    const QImage& picture = box.picture();
    // Only a page whose paper is its own is a drawing that can be drawn again: a PDF's.
    if (background.file.isEmpty() || !background.paper.ownPaper || picture.isNull() ||
        box.scaledPicture().waitsForPixels()) {
        return {};
    }
    const double scale = area_.level() * window_.devicePixelRatioF();
    if (scale <= 1) return {};
    const QRectF shown = area_.shownTwips();
    const QRectF inPicture =
        QRectF(shown.topLeft() / kTwipsPerPixel, shown.size() / kTwipsPerPixel) &
        QRectF(QPointF(), picture.size());
    if (inPicture.isEmpty()) return {};
    return {picture.cacheKey(), inPicture, scale};
}

void DrawingDetail::drawAgain() {
    const Wanted wanted = wantedNow();
    if (wanted.scale == 0 || wanted == asked_) return;
    const ScaledPicture& shown = area_.background().scaledPicture();
    if (shown.detailScale() == wanted.scale && shown.detailPart().contains(wanted.inPicture))
        return;  // drawn already
    const QImage& picture = area_.background().picture();
    const QSize whole(int(std::lround(picture.width() * wanted.scale)),
                      int(std::lround(picture.height() * wanted.scale)));
    // Whole device pixels, the part in view and no more.
    const QRect part =
        QRectF(wanted.inPicture.topLeft() * wanted.scale, wanted.inPicture.size() * wanted.scale)
            .toAlignedRect() &
        QRect(QPoint(), whole);
    if (!reader_) {
        reader_ = std::make_unique<PictureReaderProcess>();
        connect(reader_.get(), &PictureReaderProcess::finished, this, &DrawingDetail::drawn);
    }
    asked_ = wanted;
    askedPart_ = QRectF(QPointF(part.topLeft()) / wanted.scale, QSizeF(part.size()) / wanted.scale);
    const BackgroundRecord& background = room_.background();
    reader_->start(background.file, {}, {background.page, 0, whole, part});
}

void DrawingDetail::drawn(const ReadPicture& result) {
    const Wanted asked = std::exchange(asked_, {});
    // A page that cannot be drawn again is shown as it was opened; it was read once already.
    if (result.problem != PictureProblem::None ||
        area_.background().picture().cacheKey() != asked.pictureKey) {
        return;
    }
    area_.background().showDetail(result.image, askedPart_, asked.scale);
    settle_.start();  // the view may have moved on meanwhile
}
