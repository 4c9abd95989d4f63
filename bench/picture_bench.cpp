// Large photos against what the decoder and a plain blit cost on their own, measured in the
// same run and reported as ratios.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include "main_window.h"
#include "picture_box.h"
#include "picture_dialogs.h"
#include "picture_loader.h"
#include "picture_opener.h"
#include "stretch_image.h"

namespace {

constexpr QSize kPhoto(6000, 4000);  // 24 megapixels

// A photo-like picture: smooth gradients with fine detail, so that JPEG works for it.
QString writePhoto(const QTemporaryDir& dir) {
    QImage image(kPhoto, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = qRgb((x / 24) & 255, (y / 16) & 255, ((x ^ y) * 7) & 255);
        }
    }
    const QString path = dir.filePath("photo.jpg");
    image.save(path, "JPEG", 90);
    return path;
}

const QString& photoPath() {
    static QTemporaryDir dir;
    static const QString path = writePhoto(dir);
    return path;
}

class NoDialogs : public PictureDialogs {
public:
    QString choosePicture(QWidget*) override { return {}; }
    void reportUnreadable(QWidget*, const QString&, const QString&) override {}
};

double elapsedMs(QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

}  // namespace

// Decoding alone (the baseline) against loading a picture for display.
static void LoadPhoto(benchmark::State& state) {
    const QString path = photoPath();
    double decoder = 0, ours = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QImageReader reader(path);
        QImage decoded = reader.read();
        decoder += elapsedMs(timer);
        benchmark::DoNotOptimize(decoded);

        timer.restart();
        LoadedPicture loaded = loadPicture(path);
        const double ms = elapsedMs(timer);
        ours += ms;
        benchmark::DoNotOptimize(loaded);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["decoder_ms"] = decoder / state.iterations();
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / decoder;
}
BENCHMARK(LoadPhoto)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// One step of a drag of a 24-megapixel foreground over a 24-megapixel background: the move
// and the repaint it causes, against painting the same frame straight from ready pixels.
static void DragPhoto(benchmark::State& state) {
    auto* dialogs = new NoDialogs;
    MainWindow window(dialogs);
    window.show();
    PictureOpener opener(window, window.controls());
    opener.openBackground(photoPath());
    opener.openForeground(photoPath());
    StretchImage* image = window.controls().Image1;
    QWidget* canvas = window.controls().Picture1->contents();
    QCoreApplication::processEvents();  // first paint: the one stretch

    const auto send = [image](QEvent::Type type, QPointF at) {
        QMouseEvent event(type, at, image->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(image, &event);
    };
    send(QEvent::MouseButtonPress, {100, 100});

    QImage frame(canvas->size(), QImage::Format_RGB32);
    const QImage& background = window.controls().Picture1->picture();
    double baseline = 0, ours = 0;
    int step = 0;
    for (auto _ : state) {
        const QPointF to(100 + (step % 2 ? 7 : -7), 100 + (step % 2 ? 5 : -5));
        ++step;
        QElapsedTimer timer;
        timer.start();
        send(QEvent::MouseMove, to);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const double ms = elapsedMs(timer);
        ours += ms;
        state.SetIterationTime(ms / 1000);

        // The least any toolkit must do for this frame: the uncovered and covered areas.
        timer.restart();
        QPainter painter(&frame);
        painter.drawImage(0, 0, background);
        painter.drawImage(image->pos(), *image->stretchedCopy());
        painter.end();
        baseline += elapsedMs(timer);
    }
    send(QEvent::MouseButtonRelease, {100, 100});
    state.counters["blit_ms"] = baseline / state.iterations();
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / baseline;
}
BENCHMARK(DragPhoto)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
