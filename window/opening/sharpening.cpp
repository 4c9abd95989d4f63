#include "sharpening.h"

#include <QWidget>
#include <algorithm>

#include "picture_area.h"
#include "picture_box.h"
#include "picture_dialogs.h"
#include "reader_wait.h"
#include "stretch_image.h"
#include "unreadable_reasons.h"

void Sharpening::follow(std::unique_ptr<PictureReaderProcess> reader, const QString& path,
                        WindowSnapshot before) {
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
        dialogs_.reportUnreadable(&parts_.window, path, reasonText(result));
        return;
    }
    // Whatever shows these pixels now shows them sharp; the ones shown no more are dropped.
    const qint64 key = result.image.cacheKey();
    parts_.area.background().sharpen(key);
    parts_.area.foreground().sharpen(key);
    at->reader.release()->deleteLater();  // this is its own signal
    pending_.erase(at);
}

void Sharpening::goBack(std::size_t from) {
    const WindowSnapshot before = std::move(pending_[from].before);
    for (std::size_t i = from; i < pending_.size(); ++i) {
        pending_[i].reader->disconnect(this);
        pending_[i].reader->stop();
        pending_[i].reader.release()->deleteLater();
    }
    pending_.erase(pending_.begin() + std::ptrdiff_t(from), pending_.end());
    before.restore(parts_);
}

bool Sharpening::finish() {
    while (!pending_.empty()) {
        PictureReaderProcess* reader = pending_.front().reader.get();
        const std::optional<ReadPicture> result = awaitWhileWaiting(parts_.window, *reader);
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
