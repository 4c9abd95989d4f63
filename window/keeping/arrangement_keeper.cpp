#include "arrangement_keeper.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QSaveFile>
#include <QTransform>

#include "arrangement_file.h"
#include "arrangement_history.h"
#include "keeping_dialogs.h"
#include "picture_area.h"
#include "picture_opener.h"
#include "stretch_image.h"
#include "unreadable_reasons.h"
#include "workflow.h"

namespace {

KeptPicture keptPicture(const PlacedPicture& placed) {
    const TwipRect& at = placed.twips;
    return {placed.file,         at.left,        at.top,        at.width, at.height,
            placed.quarterTurns, placed.degrees, placed.opacity};
}

// The picture read, turned as it was kept, where it lies.
PlacedPicture placedPicture(const KeptPicture& kept, const ReadPicture& read) {
    PlacedPicture placed;
    placed.picture = kept.quarterTurns == 0
                         ? read.image
                         : read.image.transformed(QTransform().rotate(90 * kept.quarterTurns));
    placed.onWhitePaper = read.onWhitePaper;
    placed.twips = {kept.left, kept.top, kept.width, kept.height};
    placed.degrees = kept.degrees;
    placed.opacity = kept.opacity;
    placed.file = kept.file;
    placed.quarterTurns = kept.quarterTurns;
    return placed;
}

}  // namespace

// The pictures of an arrangement, read before anything is shown.
struct ArrangementKeeper::Opened {
    std::optional<ReadPicture> background;
    std::optional<PlacedPicture> foreground;
    std::vector<PlacedPicture> pieces;
    Arrangement unread;
    QStringList reasons;  // of each picture not read, by its file
};

Arrangement ArrangementKeeper::current() const {
    Arrangement arrangement;
    arrangement.background = area_.backgroundFile();
    for (const PlacedPicture& piece : area_.pieces().all()) {
        if (!piece.file.isEmpty()) arrangement.pieces.push_back(keptPicture(piece));
    }
    const StretchImage& image = area_.foreground();
    if (!image.isHidden() && !image.picture().isNull() && !image.file().isEmpty()) {
        arrangement.foreground = keptPicture(image.placedPicture());
    }
    arrangement.calibrations = workflow_.keptCalibrations();
    if (arrangement.background.isEmpty()) arrangement.background = unread_.background;
    if (!arrangement.foreground) arrangement.foreground = unread_.foreground;
    arrangement.pieces.insert(arrangement.pieces.end(), unread_.pieces.begin(),
                              unread_.pieces.end());
    return arrangement;
}

bool ArrangementKeeper::save() {
    const QString path = dialogs_.chooseFileToSave(
        &window_, KeepingDialogs::Saving::Arrangement,
        // Beside the plan, the paths in the file are short and move with the folder.
        file_.isEmpty() ? nameBesidePlan(area_.backgroundFile(), QStringLiteral(".pokotamu"))
                        : file_);
    if (path.isEmpty()) return false;
    const Arrangement arrangement = current();
    const QByteArray text = arrangement_file::write(arrangement, QFileInfo(path).absoluteDir());
    // Written whole or not at all: an older file of the name stays until the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        dialogs_.report(
            &window_,
            QStringLiteral("配置を保存できませんでした。\n%1\n%2").arg(path, file.errorString()));
        return false;
    }
    file_ = path;
    kept_ = arrangement;
    return true;
}

void ArrangementKeeper::open() {
    const QString path = dialogs_.chooseArrangement(&window_);
    if (!path.isEmpty()) open(path);
}

void ArrangementKeeper::open(const QString& path) {
    const arrangement_file::Reading reading = arrangement_file::readFile(path);
    if (!reading.arrangement) {
        dialogs_.report(
            &window_,
            QStringLiteral("配置ファイルを開けませんでした。\n%1\n%2").arg(path, reading.problem));
        return;
    }
    std::optional<Opened> opened = readPictures(*reading.arrangement);
    if (!opened) return;
    show(*reading.arrangement, *opened);
    file_ = QFileInfo(path).absoluteFilePath();
    kept_ = current();
    QStringList report = reading.notes;
    if (!opened->reasons.isEmpty()) {
        report.prepend(QStringLiteral("次の画像を開けませんでした。ほかは開きました。\n") +
                       opened->reasons.join(u'\n') +
                       QStringLiteral("\n保存すると、開けなかった画像も配置に残ります。"));
    }
    if (!report.isEmpty()) dialogs_.report(&window_, report.join(QStringLiteral("\n\n")));
}

// Each file once, in the order they lie; a file not read is named with its reason. Empty when
// the user cancelled a reading.
std::optional<ArrangementKeeper::Opened> ArrangementKeeper::readPictures(
    const Arrangement& arrangement) {
    Opened opened;
    bool cancelled = false;
    const auto read = [&](const QString& file) -> std::optional<ReadPicture> {
        if (cancelled) return std::nullopt;
        std::optional<ReadPicture> picture = opener_.readUnreported(file);
        cancelled = !picture;
        if (!picture || picture->problem == PictureProblem::None) return picture;
        opened.reasons << QStringLiteral("%1\n　%2").arg(file, reasonText(*picture));
        return std::nullopt;
    };
    if (!arrangement.background.isEmpty()) {
        opened.background = read(arrangement.background);
        if (!opened.background) opened.unread.background = arrangement.background;
    }
    if (arrangement.foreground) {
        if (const std::optional<ReadPicture> picture = read(arrangement.foreground->file)) {
            opened.foreground = placedPicture(*arrangement.foreground, *picture);
        } else {
            opened.unread.foreground = arrangement.foreground;
        }
    }
    for (const KeptPicture& piece : arrangement.pieces) {
        // Reduced at once: a room of large photos is never held whole.
        if (const std::optional<ReadPicture> picture = read(piece.file)) {
            opened.pieces.push_back(
                reducedForPlan(placedPicture(piece, *picture), PictureArea::kLargestLevel));
        } else {
            opened.unread.pieces.push_back(piece);
        }
    }
    if (cancelled) return std::nullopt;
    return opened;
}

void ArrangementKeeper::show(const Arrangement& arrangement, Opened& opened) {
    const ReadPicture background = opened.background.value_or(ReadPicture{});
    area_.showBackground(background.image, background.onWhitePaper,
                         opened.background ? arrangement.background : QString());
    area_.pieces().setAll(opened.pieces);
    StretchImage& image = area_.foreground();
    image.setPlacedPicture(opened.foreground.value_or(PlacedPicture{}));
    image.setVisible(opened.foreground.has_value());
    area_.history().forget();
    unread_ = opened.unread;
    option3_.setChecked(true);
    workflow_.openArrangement(arrangement.calibrations);
}

bool ArrangementKeeper::mayClose() {
    const Arrangement now = current();
    const bool worthKeeping = !now.pieces.empty() || !file_.isEmpty();
    if (!worthKeeping || now == kept_) return true;
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
