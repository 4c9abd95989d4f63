// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharpening.h"

#include <QWidget>
#include <algorithm>

#include "picture_dialogs.h"
#include "reader_wait.h"
#include "unreadable_reasons.h"

Sharpening::Sharpening(QWidget& window, PictureArea& area, RoomDocument& room,
                       PictureDialogs& dialogs)
    : window_(window), area_(area), room_(room), dialogs_(dialogs) {
    room.setWholePixelsWait([this] { return finish(); });
}

Sharpening::Moment Sharpening::now() const {
    return {room_.snapshot(), ViewPlacement::of(window_, area_)};
}

void Sharpening::follow(std::unique_ptr<PictureReaderProcess> reader, const QString& path,
                        Moment before) {
    PictureReaderProcess* following = reader.get();
    following->readNoMore();
    connect(following, &PictureReaderProcess::finished, this,
            [this, following](const ReadPicture& result) { written(following, result); });
    pending_.push_back({std::move(reader), path, std::move(before)});
}

void Sharpening::written(PictureReaderProcess* reader, const ReadPicture& result) {
    const auto at = std::find_if(pending_.begin(), pending_.end(),
                                 [reader](const Pending& p) { return p.reader.get() == reader; });
    if (at == pending_.end()) return;
    if (result.problem != PictureProblem::None) {
        const QString path = at->path;
        goBack(std::size_t(at - pending_.begin()));
        dialogs_.reportUnreadable(&window_, path, reasonText(result));
        return;
    }
    // Whatever shows these pixels now shows them sharp.
    room_.picturesWritten(result.image.cacheKey());
    at->reader.release()->deleteLater();  // this is its own signal
    pending_.erase(at);
}

void Sharpening::goBack(std::size_t from) {
    const Moment before = std::move(pending_[from].before);
    for (std::size_t i = from; i < pending_.size(); ++i) {
        pending_[i].reader->disconnect(this);
        pending_[i].reader->stop();
        pending_[i].reader.release()->deleteLater();
    }
    pending_.erase(pending_.begin() + std::ptrdiff_t(from), pending_.end());
    room_.restore(before.room);
    before.view.restore(window_, area_);
}

bool Sharpening::finish() {
    while (!pending_.empty()) {
        PictureReaderProcess* reader = pending_.front().reader.get();
        const std::optional<ReadPicture> result = awaitWhileWaiting(window_, *reader);
        // A result went to written() as well, which took the picture off or went back.
        if (result) {
            if (result->problem != PictureProblem::None) return false;
            continue;
        }
        // Cancelled, or the window closed: the reader has ended.
        if (!pending_.empty() && pending_.front().reader.get() == reader) goBack(0);
        return false;
    }
    return true;
}
