// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_keeper.h"

#include <QFileInfo>
#include <QWidget>

#include "arrangement_file.h"
#include "keeping_dialogs.h"
#include "keeping_target.h"
#include "kept_pictures.h"
#include "picture_area.h"
#include "picture_opener.h"
#include "room_document.h"
#include "shown_names.h"
#include "unreadable_reasons.h"
#include "whole_file.h"
#include "write_reasons.h"

// An arrangement's name always ends in its own ending, so that it opens as one again.
ArrangementKeeper::ArrangementKeeper(QWidget& window, PictureArea& area, PictureOpener& opener,
                                     RoomDocument& room, KeepingDialogs& dialogs)
    : window_(window), area_(area), opener_(opener), room_(room), dialogs_(dialogs) {
    QObject::connect(&room, &RoomDocument::piecesHeldReduced, &window,
                     [this] { dialogs_.report(&window_, piecesReducedNote()); });
}

QString ArrangementKeeper::piecesReducedNote() {
    return QStringLiteral("家具の画像が多く大きいため、メモリに収まるよう、どれも小さくして持っています。"
                          "拡大すると、見えている家具は画像を読み直してはっきり見せます。");
}

bool ArrangementKeeper::save() {
    const QString& keptIn = room_.keptIn();
    const QString path = chooseTarget(
        window_, dialogs_, KeepingDialogs::Saving::Arrangement,
        // Beside the plan, the paths in the file are short and move with the folder.
        keptIn.isEmpty() ? nameBesidePlan(room_.background().file, QStringLiteral(".pokotamu"))
                         : keptIn,
        room_, [](const QString& chosen) {
            return TargetName{arrangement_file::isArrangementFile(chosen)
                                  ? chosen
                                  : chosen + u'.' + QLatin1String(arrangement_file::kSuffix),
                              {}};
        });
    if (path.isEmpty()) return false;
    const QByteArray text = arrangement_file::write(room_.kept(), QFileInfo(path).absoluteDir());
    const WriteResult written = writeWholeFile(path, [&text](QIODevice& file) {
        if (text.size() > arrangement_file::kLargestBytes) {
            return QStringLiteral("配置ファイルは %1 バイトまでですが、この配置は %2 バイトになります")
                .arg(arrangement_file::kLargestBytes)
                .arg(text.size());
        }
        file.write(text);
        return QString();
    });
    if (!written.written()) {
        dialogs_.report(&window_, QStringLiteral("配置を保存できませんでした。\n%1\n%2")
                                      .arg(shownName(path), writeReasonText(written)));
        return false;
    }
    room_.markKept(path);
    if (written_) written_(path);
    return true;
}

void ArrangementKeeper::open() {
    const QString path = dialogs_.chooseArrangement(&window_);
    if (!path.isEmpty()) open(path);
}

void ArrangementKeeper::open(const QString& path) {
    const arrangement_file::Reading reading = arrangement_file::readFile(path);
    if (!reading.arrangement) {
        dialogs_.report(&window_, QStringLiteral("配置ファイルを開けませんでした。\n%1\n%2")
                                      .arg(shownName(path), reading.problem));
        return;
    }
    QStringList reasons;
    QStringList report = reading.notes;
    std::optional<Room> opened = readPictures(*reading.arrangement, reasons, report);
    if (!opened) return;
    room_.openArrangement(std::move(*opened), reading.arrangement->calibrations,
                          QFileInfo(path).absoluteFilePath());
    area_.fitToBackground();
    if (!reasons.isEmpty()) {
        report.prepend(QStringLiteral("次の画像を開けませんでした。ほかは開きました。\n") +
                       reasons.join(u'\n') +
                       QStringLiteral("\n保存すると、開けなかった画像も配置に残ります。"));
    }
    if (!report.isEmpty()) dialogs_.report(&window_, report.join(QStringLiteral("\n\n")));
}

// Each file once, in the order they lie; a file not read is named with its reason, a piece not
// read kept in its place. A picture whose file changed since is placed at the scale it was kept
// at, and named.
std::optional<Room> ArrangementKeeper::readPictures(const Arrangement& arrangement,
                                                    QStringList& reasons, QStringList& notes) {
    Room opened;
    bool cancelled = false;
    const auto read = [&](const QString& file,
                          const ReadRequest& request = {}) -> std::optional<ReadPicture> {
        if (cancelled) return std::nullopt;
        std::optional<ReadPicture> picture = opener_.readUnreported(file, {}, request);
        cancelled = !picture;
        if (!picture || picture->problem == PictureProblem::None) return picture;
        reasons << QStringLiteral("%1\n　%2").arg(shownName(file), reasonText(*picture));
        return std::nullopt;
    };
    const auto place = [&](const KeptPicture& kept, const std::optional<ReadPicture>& picture) {
        const QImage pixels = picture ? picture->image : QImage();
        if (changedSinceKept(kept, pixels)) {
            notes << QStringLiteral(
                         "%1\n　画像の大きさが保存したときと違います（保存したとき %2 × "
                         "%3、今は %4 × %5 ピクセル）。保存したときの縮尺で置きました。")
                         .arg(shownName(kept.file))
                         .arg(kept.pixels.width())
                         .arg(kept.pixels.height())
                         .arg(pixels.width())
                         .arg(pixels.height());
        }
        return placedPicture(kept, pixels, picture && picture->onWhitePaper);
    };
    if (!arrangement.background.isEmpty()) {
        if (const std::optional<ReadPicture> plan =
                read(arrangement.background, {arrangement.backgroundPage})) {
            opened.background = {arrangement.background, plan->paper.page, plan->image,
                                 plan->onWhitePaper, {}, plan->paper};
        } else {
            opened.unread.background = arrangement.background;
            opened.unread.backgroundPage = arrangement.backgroundPage;
        }
    }
    if (const std::optional<KeptPage>& page = arrangement.page) {
        opened.page = PageChoice{page->paper == QLatin1String("A3") ? QPageSize::A3 : QPageSize::A4,
                                 page->landscape, page->denominator};
    }
    Furniture& furniture = opened.furniture;
    furniture.foregroundShown = false;
    if (arrangement.foreground) {
        if (const std::optional<ReadPicture> picture = read(arrangement.foreground->file)) {
            furniture.foreground = place(*arrangement.foreground, picture);
            furniture.foregroundShown = true;
        } else {
            opened.unread.foreground = arrangement.foreground;
        }
    }
    const std::vector<KeptPicture>& pieces = arrangement.pieces;
    const std::size_t opening = std::min(pieces.size(), std::size_t(arrangement_file::kMostPieces));
    qint64 pixels = 0;
    for (std::size_t i = 0; i < opening; ++i) {
        pixels += planPixels({0, 0, pieces[i].width, pieces[i].height});
    }
    const double scale = scaleWithinBudget(pixels);
    if (scale < 1) notes << piecesReducedNote();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        // Reduced at once: a room of large photos is never held whole.
        furniture.pieces.push_back(reducedForPlan(
            place(pieces[i], i < opening ? read(pieces[i].file) : std::optional<ReadPicture>()),
            scale));
    }
    if (pieces.size() > std::size_t(arrangement_file::kMostPieces)) {
        notes << QStringLiteral(
                     "家具は %1 個まで開きます。残りの %2 個は開きませんが、保存すると"
                     "配置に残ります。")
                     .arg(arrangement_file::kMostPieces)
                     .arg(pieces.size() - std::size_t(arrangement_file::kMostPieces));
    }
    if (cancelled) return std::nullopt;
    return opened;
}

bool ArrangementKeeper::mayClose() {
    if (!room_.hasUnkeptWork()) return true;
    switch (dialogs_.askBeforeClose(&window_)) {
        case KeepingDialogs::BeforeClose::Save:
            return save();
        case KeepingDialogs::BeforeClose::Discard:
            return true;
        case KeepingDialogs::BeforeClose::Cancel:
            break;
    }
    return false;
}
