#include "worker_wait.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "messages.h"
#include "to_qstring.h"

namespace {

// Short decodings finish before any progress window would flash up.
constexpr int kProgressDelayMilliseconds = 500;

// Keeps the user's input away from the window while it waits; the progress window, a window
// of its own, still takes it. Closing the window cancels.
class WaitingWindow : public QObject {
public:
    WaitingWindow(QWidget& window, std::atomic<bool>& cancelled)
        : window_(window), cancelled_(cancelled) {
        qApp->installEventFilter(this);
    }
    ~WaitingWindow() override { qApp->removeEventFilter(this); }
    WaitingWindow(const WaitingWindow&) = delete;
    WaitingWindow& operator=(const WaitingWindow&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &window_) return false;
        if (event->type() == QEvent::Close) cancelled_ = true;
        return isInput(event->type());
    }

private:
    static bool isInput(QEvent::Type type) {
        switch (type) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::ContextMenu:
                return true;
            default:
                return false;
        }
    }

    QWidget& window_;
    std::atomic<bool>& cancelled_;
};

}  // namespace

std::optional<ReadPicture> readInWorkerWhileWaiting(QWidget& window, const QString& path) {
    // Shared with the worker, which may outlive this call only while it finishes.
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    auto result = std::make_shared<ReadPicture>();
    std::unique_ptr<QThread> worker(QThread::create(
        [path, cancelled, result] { *result = readPictureFile(path, cancelled.get()); }));

    QEventLoop waiting;
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    WaitingWindow blocked(window, *cancelled);
    QProgressDialog progress(QStringLiteral("画像を読み込んでいます…"),
                             QStringLiteral("キャンセル"), 0, 0, &window);
    progress.setWindowTitle(toQString(kWindowTitle));
    progress.setWindowModality(Qt::WindowModal);
    // Shown by a timer of its own: the dialog's minimum duration counts only from a value.
    QTimer::singleShot(kProgressDelayMilliseconds, &progress, &QProgressDialog::show);
    QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                     [cancelled] { *cancelled = true; });

    worker->start();
    waiting.exec();
    // The application may be quitting: whatever is left of the decoding is not wanted.
    if (!worker->isFinished()) *cancelled = true;
    worker->wait();
    if (*cancelled) return std::nullopt;
    return std::move(*result);
}
