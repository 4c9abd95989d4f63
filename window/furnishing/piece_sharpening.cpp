// SPDX-License-Identifier: GPL-3.0-or-later
#include "piece_sharpening.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "picture_area.h"
#include "picture_reader_process.h"
#include "picture_view.h"
#include "room_document.h"

namespace {

constexpr int kRestMilliseconds = 200;

QSize sideByScale(const TwipRect& twips, double scale) {
    return {std::max(1, int(std::ceil(twips.width / kTwipsPerPixel * scale))),
            std::max(1, int(std::ceil(twips.height / kTwipsPerPixel * scale)))};
}

qint64 pixelsOf(QSize size) { return qint64(size.width()) * size.height(); }

}  // namespace

PieceSharpening::PieceSharpening(PictureArea& area, RoomDocument& room)
    : area_(area), room_(room) {
    soon_.setSingleShot(true);
    soon_.setInterval(kRestMilliseconds);
    connect(&soon_, &QTimer::timeout, this, &PieceSharpening::look);
    connect(&area, &PictureArea::shownChanged, this, &PieceSharpening::lookSoon);
    connect(&room, &RoomDocument::piecesChanged, this, &PieceSharpening::lookSoon);
}

PieceSharpening::~PieceSharpening() = default;

void PieceSharpening::lookSoon() { soon_.start(); }

// Each piece wants what the view shows of it where it is in view and zoomed in, else what the
// plan has of it. Held much smaller, the largest want is read; held larger, it goes back at once.
void PieceSharpening::look() {
    const double level = area_.level() * area_.view().devicePixelRatioF();
    const QRectF shown = area_.shownTwips();
    struct Want {
        qint64 key;
        QSize size;
        int quarterTurns;
        QString file;
    };
    std::vector<Want> sharper;
    qint64 sharpPixels = 0;
    for (const PlacedPicture& piece : room_.pieces()) {
        const QSize file = piece.turnedFilePixels();
        if (piece.picture.isNull() || piece.file.isEmpty() || !file.isValid()) continue;
        const TwipRect& at = piece.twips;
        const bool inView = shown.intersects(QRectF(at.left, at.top, at.width, at.height));
        const QSize plan = sideByScale(at, 1).boundedTo(file);
        const QSize wanted = inView && level > 1 ? sideByScale(at, level).boundedTo(file) : plan;
        const QSize held = piece.picture.size();
        if (pixelsOf(held) > pixelsOf(wanted) * 2 && pixelsOf(held) > pixelsOf(plan)) {
            room_.holdPieceAs(piece.picture.cacheKey(),
                              piece.picture.scaled(wanted.expandedTo(plan).boundedTo(held),
                                                   Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            continue;
        }
        sharpPixels += pixelsOf(held) - pixelsOf(plan);
        if (pixelsOf(wanted) > pixelsOf(held) * 2) {
            sharper.push_back({piece.picture.cacheKey(), wanted, piece.quarterTurns, piece.file});
        }
    }
    if (reader_ || sharper.empty()) return;
    const auto most = std::max_element(sharper.begin(), sharper.end(), [](const Want& a, const Want& b) {
        return pixelsOf(a.size) < pixelsOf(b.size);
    });
    if (sharpPixels + pixelsOf(most->size) > kSharpPixels) return;
    reading_ = most->key;
    wanted_ = most->size;
    quarterTurns_ = most->quarterTurns;
    reader_ = std::make_unique<PictureReaderProcess>();
    reader_->readNoMore();
    connect(reader_.get(), &PictureReaderProcess::finished, this, &PieceSharpening::taken);
    reader_->start(most->file);
}

// A file that no longer reads leaves the piece as it is held.
void PieceSharpening::taken(const ReadPicture& read) {
    if (read.problem == PictureProblem::None) {
        const QImage picture = turnedByQuarters(read.image, quarterTurns_)
                                   .scaled(wanted_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!picture.isNull()) room_.holdPieceAs(reading_, picture);
    }
    reader_.release()->deleteLater();  // this is its own signal
    lookSoon();
}
