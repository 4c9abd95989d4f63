// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_opener.h"

#include <QAbstractButton>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "arrangement_file.h"
#include "picture_area.h"
#include "picture_dialogs.h"
#include "reader_wait.h"
#include "room_document.h"
#include "unreadable_reasons.h"

namespace {

// Decoding a large photo takes a moment; the pointer says so.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The one local file of a drag, or empty.
QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
    const QUrl url = mime->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// Glimpses of the first pages of a PDF are shown to choose from; any page by its number.
constexpr int kMostGlimpses = 12;
constexpr int kGlimpseSide = 160;

}  // namespace

PictureOpener::PictureOpener(QWidget& window, PictureArea& area, RoomDocument& room,
                             PictureDialogs& dialogs, Sharpening& sharpening, Buttons buttons)
    : window_(window),
      area_(area),
      room_(room),
      dialogs_(dialogs),
      sharpening_(sharpening),
      buttons_(buttons) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

QString PictureOpener::choosePicture() { return dialogs_.choosePicture(&window_); }

void PictureOpener::command1Click() {
    const QString path = choosePicture();
    // Cancelled; or a picture opened before turned out unreadable meanwhile, and its task is over.
    if (path.isEmpty() || !buttons_.background.isEnabled()) return;
    openBackground(path);
}

void PictureOpener::command2Click() {
    const QString path = choosePicture();
    if (path.isEmpty() || !buttons_.foreground.isEnabled()) return;
    openForeground(path);
}

// The one place a decoded picture arrives; a cancelled decoding counts as a file not read,
// but is no error to report.
std::optional<ReadPicture> PictureOpener::readUnreported(const QString& path,
                                                         const FirstView& view,
                                                         const ReadRequest& request) {
    BusyCursor busy;
    return readWhileWaiting(window_, readerReady(), path, view, request);
}

PictureReaderProcess& PictureOpener::readerReady() {
    if (!reader_) reader_ = std::make_unique<PictureReaderProcess>();
    return *reader_;
}

std::optional<ReadPicture> PictureOpener::readFor(const QString& path, const FirstView& view,
                                                  const ReadRequest& request) {
    const std::optional<ReadPicture> loaded = readUnreported(path, view, request);
    if (!loaded) return std::nullopt;
    if (loaded->problem == PictureProblem::None) return loaded;
    dialogs_.reportUnreadable(&window_, path, reasonText(*loaded));
    return std::nullopt;
}

std::optional<ReadPicture> PictureOpener::read(const QString& path) { return readFor(path, {}); }

// A background opens at 100 %, or smaller where the screen cannot show it whole, but never
// smaller than the smallest level; in the screen's own pixels.
FirstView PictureOpener::backgroundView() const {
    const QScreen* screen = window_.screen();
    if (!screen) return {};
    const double ratio = window_.devicePixelRatioF();
    return {ratio, screen->availableGeometry().size() * ratio, PictureArea::kSmallestLevel * ratio};
}

// A foreground opens at the background's zoom.
FirstView PictureOpener::foregroundView() const {
    return {area_.level() * window_.devicePixelRatioF(), {}, 0};
}

void PictureOpener::keepSharpening(const ReadPicture& picture, const QString& path,
                                   Sharpening::Moment before) {
    if (picture.reduced.isNull()) return;
    sharpening_.follow(std::move(reader_), path, std::move(before));
    // The next reader is made once the picture is painted.
    QMetaObject::invokeMethod(
        this, [this] { readerReady(); }, Qt::QueuedConnection);
}

std::optional<int> PictureOpener::choosePage(const QString& path, int pageCount) {
    std::vector<PageGlimpse> glimpses;
    for (int page = 0; page < std::min(pageCount, kMostGlimpses); ++page) {
        const std::optional<ReadPicture> glimpse = readUnreported(path, {}, {page, kGlimpseSide});
        if (!glimpse) return std::nullopt;  // cancelled
        glimpses.push_back({glimpse->image, glimpse->paper.pagePoints});
    }
    return dialogs_.choosePdfPage(&window_, path, pageCount, glimpses);
}

void PictureOpener::openBackground(const QString& path, std::optional<int> page) {
    if (arrangement_file::isArrangementFile(path) && arrangementChosen_) {
        arrangementChosen_(path);
        return;
    }
    bool shown = false;
    room_.step({QStringLiteral("背景画像を開く"), true}, [&] {
        Sharpening::Moment before = sharpening_.now();
        std::optional<ReadPicture> picture = readFor(path, backgroundView(), {page.value_or(0)});
        if (!picture) return;
        if (!page && picture->paper.pageCount > 1) {
            const std::optional<int> chosen = choosePage(path, picture->paper.pageCount);
            if (!chosen) return;
            if (*chosen != 0) picture = readFor(path, backgroundView(), {*chosen});
            if (!picture) return;
        }
        if (!picture->reduced.isNull()) room_.startReading(picture->image, picture->reduced);
        room_.openBackground(path, picture->image, picture->onWhitePaper, picture->paper);
        area_.fitToBackground();
        keepSharpening(*picture, path, std::move(before));
        shown = true;
    });
    if (shown && opened_) opened_();
}

// A new foreground is a step of the arrangement that can be taken back; it goes to the corner
// before it is read, as the button always did.
void PictureOpener::openForeground(const QString& path) {
    bool shown = false;
    room_.step({QStringLiteral("前景画像を開く"), true}, [&] {
        Sharpening::Moment before = sharpening_.now();
        TwipRect corner = room_.foreground().twips;
        corner.top = corner.left = 0;
        room_.setForegroundTwips(corner);
        const std::optional<ReadPicture> picture = readFor(path, foregroundView());
        if (!picture) return;
        if (!picture->reduced.isNull()) room_.startReading(picture->image, picture->reduced);
        room_.placeNewForeground(path, picture->image, picture->onWhitePaper);
        keepSharpening(*picture, path, std::move(before));
        shown = true;
    });
    if (shown && opened_) opened_();
}

bool PictureOpener::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    // The first reader starts once the window is painted and the machine is idle again, so that
    // setting it up never delays the window on a busy machine; a file opened before that starts
    // it at once.
    if (event->type() == QEvent::Paint && !firstPainted_) {
        firstPainted_ = true;
        QTimer::singleShot(0, this, [this] { readerReady(); });
    }
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        const QString path = droppedFile(enter->mimeData());
        const bool loadingTask = buttons_.background.isEnabled() || buttons_.foreground.isEnabled();
        if (!path.isEmpty() && (loadingTask || arrangement_file::isArrangementFile(path))) {
            enter->acceptProposedAction();
        }
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty()) return true;
        drop->acceptProposedAction();
        if (buttons_.background.isEnabled() || arrangement_file::isArrangementFile(path)) {
            openBackground(path);
        } else if (buttons_.foreground.isEnabled()) {
            openForeground(path);
        }
        return true;
    }
    return false;
}
