// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_wait.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <memory>
#include <vector>

#include "messages.h"
#include "picture_reader_process.h"
#include "to_qstring.h"

namespace {

// Short readings finish before any progress window would flash up.
constexpr int kProgressDelayMilliseconds = 500;

// What a blocked window would still be given afterwards. A drop's data belongs to a drag that
// is over by then, and a touch sequence cannot be resumed.
bool isKeptForLater(QEvent::Type type) {
    switch (type) {
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            return false;
    }
}

bool isInput(QEvent::Type type) {
    switch (type) {
        case QEvent::ShortcutOverride:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
            return true;
        default:
            return isKeptForLater(type);
    }
}

// Keeps the window's handlers from running while it waits. The user's input to the window
// arrives at its system window first, and its shortcuts at its actions; it is kept there and
// given back once the wait is over, so that the window routes it then (to the control under
// the pointer, to the focus) as it would have. Once the progress window is up, input to the
// window is dropped, as under any dialog, but for the release of a press kept before. Closing
// the window cancels.
class WaitingWindow : public QObject {
public:
    WaitingWindow(QWidget& window, std::function<void()> closed)
        : window_(window), system_(window.windowHandle()), closed_(std::move(closed)) {
        qApp->installEventFilter(this);
    }
    ~WaitingWindow() override { qApp->removeEventFilter(this); }
    WaitingWindow(const WaitingWindow&) = delete;
    WaitingWindow& operator=(const WaitingWindow&) = delete;

    void progressShown() { progressShown_ = true; }

    // Posted, so that it comes after the handler that waited has finished.
    void giveBackInput() {
        for (auto& [target, event] : kept_) {
            if (target) QCoreApplication::postEvent(target, event.release());
        }
        kept_.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool toWindow = watched == system_ && system_;
        // The window's shortcuts go to its actions, which belong to it but are no widgets.
        const bool shortcut = event->type() == QEvent::Shortcut && belongsToWindow(watched);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!toWindow && !shortcut && (!widget || widget->window() != &window_)) return false;
        if (event->type() == QEvent::Close) closed_();
        if (!isInput(event->type())) return false;
        if ((toWindow || shortcut) && isKeptForLater(event->type()) &&
            (!progressShown_ || releasesKeptPress(*event))) {
            keep(watched, *event);
        }
        return true;
    }

private:
    bool belongsToWindow(const QObject* object) const {
        for (; object; object = object->parent()) {
            if (object == &window_) return true;
        }
        return false;
    }

    // A press kept for later is given back with its release, even one that came while the
    // progress window was up: without it the window would go on as if the button were held.
    bool releasesKeptPress(const QEvent& event) const {
        return event.type() == QEvent::MouseButtonRelease &&
               (heldInKept_ & static_cast<const QMouseEvent&>(event).button());
    }

    void keep(QObject* target, const QEvent& event) {
        if (event.type() == QEvent::MouseButtonPress) {
            heldInKept_ |= static_cast<const QMouseEvent&>(event).button();
        } else if (event.type() == QEvent::MouseButtonRelease) {
            heldInKept_ &= ~static_cast<const QMouseEvent&>(event).button();
        }
        kept_.emplace_back(target, std::unique_ptr<QEvent>(event.clone()));
    }

    QWidget& window_;
    QPointer<QWindow> system_;
    std::function<void()> closed_;
    bool progressShown_ = false;
    Qt::MouseButtons heldInKept_;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> kept_;
};

// Waits for the reader `start` sets going to tell the picture: the one to show first, or the
// one it read.
std::optional<ReadPicture> waitForReader(QWidget& window, PictureReaderProcess& reader,
                                         const std::function<void()>& start) {
    std::optional<ReadPicture> result;
    QEventLoop waiting;
    const auto told = [&](const ReadPicture& read) {
        result = read;
        waiting.quit();
    };
    QObject::connect(&reader, &PictureReaderProcess::finished, &waiting, told);
    QObject::connect(&reader, &PictureReaderProcess::firstRead, &waiting, told);
    const auto stopReading = [&] {
        reader.stop();
        waiting.quit();
    };
    WaitingWindow blocked(window, stopReading);
    QProgressDialog progress(QStringLiteral("画像を読み込んでいます…"),
                             QStringLiteral("キャンセル"), 0, 0, &window);
    progress.setWindowTitle(toQString(kWindowTitle));
    // Not modal: a modal window would keep the window manager's close request from the window.
    progress.setWindowModality(Qt::NonModal);
    // Shown by a timer of its own: the dialog's minimum duration counts only from a value.
    bool progressShown = false;
    QTimer::singleShot(kProgressDelayMilliseconds, &progress, [&] {
        progressShown = true;
        blocked.progressShown();
        progress.show();
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, stopReading);

    start();
    if (!result) waiting.exec();
    // Whatever is left of a reading cancelled is not wanted; a picture told first is still
    // being written.
    if (!result || result->reduced.isNull()) reader.stop();
    if (!window.isVisible()) return std::nullopt;  // closed: the application may be quitting
    // The progress window took the activation, and not every platform gives it back when it
    // goes: without it the window's shortcuts would not reach it.
    if (progressShown) {
        progress.hide();
        window.activateWindow();
        // Active before the input kept for it comes back: keys go to its focus.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    blocked.giveBackInput();
    return result;
}

}  // namespace

std::optional<ReadPicture> readWhileWaiting(QWidget& window, PictureReaderProcess& reader,
                                            const QString& path, const FirstView& view,
                                            const ReadRequest& request) {
    // What the path alone tells needs no reader.
    QFile file(path);
    if (const PictureProblem problem = openPictureFile(file); problem != PictureProblem::None)
        return ReadPicture{{}, problem};
    file.close();
    return waitForReader(window, reader, [&] { reader.start(path, view, request); });
}

std::optional<ReadPicture> awaitWhileWaiting(QWidget& window, PictureReaderProcess& reader) {
    if (!reader.reading()) return std::nullopt;
    return waitForReader(window, reader, [] {});
}
