// SPDX-License-Identifier: GPL-3.0-or-later
// Large photos against what the decoder and a plain blit or repaint cost on their own,
// measured in the same run and reported as ratios. `bash scripts/bench` runs them in an X
// session of 1280 x 1024 pixels.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImageReader>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfDocumentRenderOptions>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <functional>

#include <libheif/heif.h>

#include "drawing_detail.h"
#include "main_window.h"
#include "paint_spy.h"
#include "pdf_page_reader.h"
#include "peak_memory.h"
#include "picture_area.h"
#include "picture_box.h"
#include "picture_file_reader.h"
#include "picture_reader_process.h"
#include "picture_view.h"
#include "plan_files.h"
#include "pointer_events.h"
#include "scripted_dialogs.h"
#include "stretch_image.h"

namespace {

constexpr QSize kPhoto(6000, 4000);       // 24 megapixels
constexpr QSize kSmallPhoto(4000, 3000);  // 12 megapixels

// A photo-like picture: smooth gradients with fine detail, so that JPEG works for it.
QString writePhoto(const QTemporaryDir& dir, QSize size, const QString& name) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = qRgb((x / 24) & 255, (y / 16) & 255, ((x ^ y) * 7) & 255);
        }
    }
    const QString path = dir.filePath(name);
    image.save(path, "JPEG", 90);
    return path;
}

QTemporaryDir& photoDir() {
    static QTemporaryDir dir;
    return dir;
}

const QString& photoPath() {
    static const QString path = writePhoto(photoDir(), kPhoto, QStringLiteral("photo.jpg"));
    return path;
}

const QString& smallPhotoPath() {
    static const QString path = writePhoto(photoDir(), kSmallPhoto, QStringLiteral("small.jpg"));
    return path;
}

// A window with the photo as its background and, if asked, a foreground.
struct PhotoWindow {
    ScriptedDialogs* dialogs = new ScriptedDialogs;  // owned by the window
    MainWindow window{dialogs};

    explicit PhotoWindow(const QString& foreground = {}, const std::function<void()>& shown = {}) {
        window.show();
        window.activateWindow();  // its shortcuts work in the active window
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the window never became active");
        if (shown) shown();
        open(photoPath(), window.controls().Command1);
        zoomBy(0);  // a large photo opens fitted; these look at it in its own pixels
        if (foreground.isEmpty()) return;
        window.controls().Option2->click();
        open(foreground, window.controls().Command2);
    }
    void open(const QString& path, QPushButton* button) {
        dialogs->answers.push_back(path);
        button->click();
    }
    // From 100 % by steps of the zoom's ladder, from the top-left corner.
    void zoomBy(int steps) {
        QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        for (int i = 0; i < std::abs(steps); ++i) {
            QTest::keyClick(&window, steps > 0 ? Qt::Key_Plus : Qt::Key_Minus, Qt::ControlModifier);
        }
        auto* view = window.findChild<PictureView*>();
        view->horizontalScrollBar()->setValue(0);
        view->verticalScrollBar()->setValue(0);
        QCoreApplication::processEvents();
    }
    void key(Qt::Key key) { QTest::keyClick(&window, key, Qt::ControlModifier); }
};

// Waits until the widget has been painted (and so shown) since the last wait.
class PaintWatch {
public:
    explicit PaintWatch(QWidget* widget) : spy_(widget, [this] { painted_ = true; }) {
        widget->installEventFilter(&spy_);
    }
    void wait() {
        if (!QTest::qWaitFor([this] { return painted_; }, 10000)) qFatal("never painted");
        QCoreApplication::processEvents();  // the flush to the screen follows the paint
        painted_ = false;
    }

private:
    bool painted_ = false;
    PaintSpy spy_;
};

double elapsedMs(QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

// One step of a drag, in milliseconds: the move and the repaint it causes.
double dragStep(StretchImage* image, QPointF to) {
    QElapsedTimer timer;
    timer.start();
    sendPointer(image, QEvent::MouseMove, to, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    return elapsedMs(timer);
}

// Reading a file as the program does against a baseline, each once an iteration, in one run.
template <typename Baseline>
void readAgainst(benchmark::State& state, const QString& path, const char* baselineName,
                 Baseline baseline) {
    double alone = 0, ours = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        baseline();
        alone += elapsedMs(timer);

        timer.restart();
        ReadPicture read = readPictureFile(path);
        const double ms = elapsedMs(timer);
        ours += ms;
        benchmark::DoNotOptimize(read);
        state.SetIterationTime(ms / 1000);
    }
    state.counters[baselineName] = alone / state.iterations();
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / alone;
}

// Wheel steps in the middle of the view, one way and back, until the view shows the result,
// against one repaint of the whole view from ready pixels.
void wheelAgainstRepaint(benchmark::State& state, PhotoWindow& shown,
                         Qt::KeyboardModifiers modifiers) {
    QWidget* seen = shown.window.findChild<PictureView*>()->viewport();
    PaintWatch watch(shown.window.controls().Picture1->contents());
    seen->repaint();
    const QPointF middle = QRectF(seen->rect()).center();
    double baseline = 0, ours = 0;
    int step = 0;
    for (auto _ : state) {
        const int angle = step++ % 2 ? 120 : -120;
        QElapsedTimer timer;
        timer.start();
        QWheelEvent wheel(middle, seen->mapToGlobal(middle), {}, {0, angle}, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(seen, &wheel);
        watch.wait();
        const double ms = elapsedMs(timer);
        ours += ms;
        state.SetIterationTime(ms / 1000);

        timer.restart();
        seen->repaint();
        QCoreApplication::processEvents();
        baseline += elapsedMs(timer);
    }
    state.counters["repaint_ms"] = baseline / state.iterations();
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / baseline;
}

}  // namespace

// The most memory a reader holds while it reads the file, as it tells.
static qint64 readerPeakBytes(const QString& path) {
    PictureReaderProcess reader;
    QEventLoop loop;
    QObject::connect(&reader, &PictureReaderProcess::finished, &loop, &QEventLoop::quit);
    reader.start(path);
    loop.exec();
    return reader.peakBytes();
}

// Decoding alone (the baseline) against loading a picture for display.
static void LoadPhoto(benchmark::State& state) {
    const QString path = photoPath();
    readAgainst(state, path, "decoder_ms", [&path] {
        QImage decoded = QImageReader(path).read();
        benchmark::DoNotOptimize(decoded);
    });
}
BENCHMARK(LoadPhoto)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A grey plan of an A2 sheet scanned at 300 dpi (35 megapixels): white paper, walls and text.
QString writeScannedPlan(const QTemporaryDir& dir) {
    QImage plan(7016, 4961, QImage::Format_Grayscale8);
    plan.fill(255);
    QPainter painter(&plan);
    painter.setPen(QPen(Qt::black, 6));
    for (int i = 0; i < 60; ++i) {
        painter.drawLine(100 + i * 110, 100, 100 + i * 110, 4800);
        painter.drawLine(100, 100 + i * 78, 6900, 100 + i * 78);
    }
    painter.setFont(QFont(QStringLiteral("sans"), 40));
    for (int i = 0; i < 200; ++i)
        painter.drawText(200 + i % 20 * 330, 200 + i / 20 * 450, QStringLiteral("Room 12.5 m2"));
    painter.end();
    const QString path = dir.filePath(QStringLiteral("plan.png"));
    plan.save(path);
    return path;
}

// From the dialog's answer until the window has painted the picture, fitted, against decoding the
// file alone, in one run. The window may paint a reduced copy first: what the user sees first.
void firstPaintAgainstDecode(benchmark::State& state, const QString& path) {
    QImageReader::setAllocationLimit(0);  // the decoder alone, as large as the picture
    PhotoWindow shown;
    const auto untilSharp = [&] {
        if (!QTest::qWaitFor(
                [&] { return !shown.window.controls().Picture1->scaledPicture().waitsForPixels(); },
                20000)) {
            qFatal("never sharp");
        }
    };
    const QString other = smallPhotoPath();
    PaintWatch watch(shown.window.controls().Picture1->contents());
    double decoder = 0, ours = 0;
    for (auto _ : state) {
        shown.open(other, shown.window.controls().Command1);
        watch.wait();
        untilSharp();

        QElapsedTimer timer;
        timer.start();
        shown.open(path, shown.window.controls().Command1);
        watch.wait();
        const double ms = elapsedMs(timer);
        ours += ms;
        state.SetIterationTime(ms / 1000);
        untilSharp();

        timer.restart();
        QImage decoded = QImageReader(path).read();
        decoder += elapsedMs(timer);
        benchmark::DoNotOptimize(decoded);
    }
    state.counters["decoder_ms"] = decoder / state.iterations();
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / decoder;
}

// Opening the photo as the background, from the dialog's answer until the window shows it,
// against decoding the file alone.
static void OpenPhotoInWindow(benchmark::State& state) {
    firstPaintAgainstDecode(state, photoPath());
}
BENCHMARK(OpenPhotoInWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

static void FirstPicture48MpJpeg(benchmark::State& state) {
    static const QString path =
        writePhoto(photoDir(), QSize(8000, 6000), QStringLiteral("photo48.jpg"));
    firstPaintAgainstDecode(state, path);
}
BENCHMARK(FirstPicture48MpJpeg)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

static void FirstPicture35MpPlanPng(benchmark::State& state) {
    static const QString path = writeScannedPlan(photoDir());
    firstPaintAgainstDecode(state, path);
}
BENCHMARK(FirstPicture35MpPlanPng)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// One wheel step over a 24-megapixel background with a 12-megapixel foreground on it,
// against repainting the whole view from ready pixels.
static void ScrollStep(benchmark::State& state) {
    PhotoWindow shown(smallPhotoPath());
    wheelAgainstRepaint(state, shown, Qt::NoModifier);
    auto* view = shown.window.findChild<PictureView*>();
    if (view->verticalScrollBar()->maximum() == 0) state.SkipWithError("the view does not scroll");
}
BENCHMARK(ScrollStep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

// Keeps the foreground as a piece where it is, a grid of pieces over the plan, each the next
// piece's photo, until the last: the 24-megapixel photo again, as the foreground.
void furnish(PhotoWindow& shown, int pieces) {
    MainWindow& window = shown.window;
    for (int i = 0; i < pieces; ++i) {
        window.room().setForegroundTwips({float(i % 5 * 3300), float(i / 5 * 2400), 3000, 2000});
        shown.dialogs->answers.push_back(i + 1 == pieces ? photoPath() : smallPhotoPath());
        shown.key(Qt::Key_N);
        window.controls().Option1->click();  // no press awaited: the next piece may come
    }
    if (window.area().pieces().count() != pieces) {
        qFatal("only %d of %d pieces were kept", window.area().pieces().count(), pieces);
    }
}

// One step of a drag of a 24-megapixel foreground over a 24-megapixel background, with as many
// pieces kept on it as the argument says: the move and the repaint it causes, against painting
// the plan and the foreground straight from ready pixels.
static void DragPhoto(benchmark::State& state) {
    PhotoWindow shown(photoPath());
    furnish(shown, int(state.range(0)));
    MainWindow& window = shown.window;
    StretchImage* image = window.controls().Image1;
    QWidget* canvas = window.controls().Picture1->contents();
    QCoreApplication::processEvents();  // first paint: the one stretch

    sendPointer(image, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);

    QImage frame(canvas->size(), QImage::Format_RGB32);
    const QImage& background = window.controls().Picture1->picture();
    double baseline = 0, ours = 0;
    int step = 0;
    for (auto _ : state) {
        const QPointF to(100 + (step % 2 ? 7 : -7), 100 + (step % 2 ? 5 : -5));
        ++step;
        const double ms = dragStep(image, to);
        ours += ms;
        state.SetIterationTime(ms / 1000);

        // The least any toolkit must do for this frame: the uncovered and covered areas.
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&frame);
        painter.drawImage(0, 0, background);
        painter.drawImage(QRect(image->pos(), image->size()), image->picture());
        painter.end();
        baseline += elapsedMs(timer);
    }
    sendPointer(image, QEvent::MouseButtonRelease, {100, 100}, Qt::NoButton);
    state.counters["blit_ms"] = baseline / state.iterations();
    state.counters["pieces_MB"] = double(window.area().pieces().keptPixels()) * 4 / (1 << 20);
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / baseline;
}
BENCHMARK(DragPhoto)
    ->ArgsProduct({{0, 20}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// A vector plan on a landscape page of this size, in points, drawn by `draw`.
static QString writePlanPdf(const QString& name, QPageSize::PageSizeId size,
                            const std::function<void(QPainter&)>& draw) {
    const QString file = photoDir().filePath(name);
    QPdfWriter writer(file);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(size));
    writer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&writer);
    draw(painter);
    return file;
}

// Opening a one-page A3 PDF plan at 200 dpi, against rendering that page alone.
static void OpenPdfPlan(benchmark::State& state) {
    static const QString path =
        writePlanPdf(QStringLiteral("plan-a3.pdf"), QPageSize::A3, [](QPainter& painter) {
            painter.setPen(QPen(Qt::black, 2));
            for (int i = 0; i < 60; ++i) painter.drawRect(40 + i * 15, 40 + i * 9, 300, 200);
        });
    readAgainst(state, path, "render_ms", [] {
        QPdfDocument document;
        document.load(path);
        const QSizeF page = document.pagePointSize(0) * (kPdfDotsPerInch / 72);
        QImage rendered = document.render(0, page.toSize());
        benchmark::DoNotOptimize(rendered);
    });
}
BENCHMARK(OpenPdfPlan)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The part of an A1 vector plan in view at 800 %, drawn again by the window's reader, from the
// moment the view has stood still long enough to ask (its settling time taken off) to the
// moment it is shown, against rendering the same part alone from the file.
static void SharpenPdfPlanAt800(benchmark::State& state) {
    static const QString path =
        writePlanPdf(QStringLiteral("plan-a1.pdf"), QPageSize::A1, [](QPainter& painter) {
            painter.setPen(QPen(Qt::black, 0.5));
            for (int i = 0; i < 400; ++i) painter.drawRect(20 + i * 5, 20 + i * 3, 600, 400);
            painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 6));
            for (int i = 0; i < 2000; ++i)
                painter.drawText(40 + (i % 40) * 58, 40 + (i / 40) * 30, QStringLiteral("2140 mm"));
        });
    auto* dialogs = new ScriptedDialogs;  // owned by the window
    MainWindow window{dialogs};
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("the window never became active");
    dialogs->answers.push_back(path);
    window.controls().Command1->click();
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    for (int i = 0; i < 12; ++i) QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    auto* view = window.findChild<PictureView*>();
    const ScaledPicture& shown = window.controls().Picture1->scaledPicture();
    const QSize whole = shown.picture().size() * 8;
    double alone = 0, ours = 0;
    int step = 0;
    for (auto _ : state) {
        const QRectF before = shown.detailPart();
        QElapsedTimer timer;
        timer.start();
        view->horizontalScrollBar()->setValue(2000 + step * 1500);
        view->verticalScrollBar()->setValue(1000 + step * 900);
        ++step;
        if (!QTest::qWaitFor([&] { return shown.detailPart() != before; }, 20000))
            qFatal("never drawn again");
        const double ms = elapsedMs(timer) - DrawingDetail::kSettleMilliseconds;
        ours += ms;
        state.SetIterationTime(ms / 1000);

        const QRectF drawn = shown.detailPart();
        const QRect part(QRectF(drawn.topLeft() * 8, drawn.size() * 8).toRect());
        timer.restart();
        QPdfDocument document;
        document.load(path);
        QPdfDocumentRenderOptions options;
        options.setScaledSize(whole);
        options.setScaledClipRect(part);
        QImage rendered = document.render(0, part.size(), options);
        benchmark::DoNotOptimize(rendered);
        alone += elapsedMs(timer);
    }
    state.counters["render_ms"] = alone / state.iterations();
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / alone;
}
BENCHMARK(SharpenPdfPlanAt800)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);

// Opening a 12-megapixel HEIC photo, against libheif decoding it alone.
static void OpenHeicPhoto(benchmark::State& state) {
    static const QString path = [] {
        const QString file = photoDir().filePath(QStringLiteral("photo.heic"));
        if (!plan_files::writeHeic(file, kSmallPhoto.width(), kSmallPhoto.height(), 6)) {
            qFatal("no HEIC encoder");
        }
        return file;
    }();
    readAgainst(state, path, "decode_ms", [] {
        heif_context* context = heif_context_alloc();
        heif_context_read_from_file(context, QFile::encodeName(path).constData(), nullptr);
        heif_image_handle* handle = nullptr;
        heif_context_get_primary_image_handle(context, &handle);
        heif_image* image = nullptr;
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                          nullptr);
        heif_image_release(image);
        heif_image_handle_release(handle);
        heif_context_free(context);
    });
}
BENCHMARK(OpenHeicPhoto)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The part of the view a widget covers, in the view's pixels.
QRect seenPart(QWidget* widget, QWidget* seen) {
    return QRect(widget->mapTo(seen, QPoint(0, 0)), widget->size()) & seen->rect();
}

// One drag step of a 12-megapixel foreground over the 24-megapixel background at a zoom
// (ladder steps from 100 %: -4 is 25 %, 4 is 400 %), against one repaint of the area the step
// exposes: where the foreground was and where it goes.
static void DragAtZoom(benchmark::State& state) {
    PhotoWindow shown(smallPhotoPath());
    shown.zoomBy(int(state.range(0)));
    shown.key(Qt::Key_H);  // the foreground in the middle of the view
    StretchImage* image = shown.window.controls().Image1;
    QWidget* seen = shown.window.findChild<PictureView*>()->viewport();
    seen->repaint();
    const QPointF grab = QRectF(image->visibleRegion().boundingRect()).center();
    sendPointer(image, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    double baseline = 0, ours = 0;
    int step = 0;
    for (auto _ : state) {
        const QPointF to = grab + (step++ % 2 ? QPointF(7, 5) : QPointF(-7, -5));
        const QRect before = seenPart(image, seen);
        const double ms = dragStep(image, to);
        ours += ms;
        state.SetIterationTime(ms / 1000);

        const QRegion exposed = QRegion(before) | seenPart(image, seen);
        QElapsedTimer timer;
        timer.start();
        seen->repaint(exposed);
        baseline += elapsedMs(timer);
    }
    sendPointer(image, QEvent::MouseButtonRelease, grab, Qt::NoButton);
    state.counters["zoom_percent"] = shown.window.area().level() * 100;
    state.counters["repaint_ms"] = baseline / state.iterations();
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / baseline;
}
BENCHMARK(DragAtZoom)
    ->Arg(-4)
    ->Arg(0)
    ->Arg(4)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// One zoom step (Ctrl and the wheel, between 100 % and 67 %) over both photos, against one
// repaint of the view.
static void ZoomStep(benchmark::State& state) {
    PhotoWindow shown(smallPhotoPath());
    wheelAgainstRepaint(state, shown, Qt::ControlModifier);
}
BENCHMARK(ZoomStep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// One step of the foreground's see-through (Ctrl+[ and Ctrl+]), against one repaint of the
// foreground's part of the view.
static void OpacityStep(benchmark::State& state) {
    PhotoWindow shown(smallPhotoPath());
    StretchImage* image = shown.window.controls().Image1;
    shown.key(Qt::Key_BracketLeft);
    QCoreApplication::processEvents();
    double baseline = 0, ours = 0;
    int step = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        shown.key(step++ % 2 ? Qt::Key_BracketLeft : Qt::Key_BracketRight);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const double ms = elapsedMs(timer);
        ours += ms;
        state.SetIterationTime(ms / 1000);

        timer.restart();
        image->repaint(image->visibleRegion());
        baseline += elapsedMs(timer);
    }
    state.counters["repaint_ms"] = baseline / state.iterations();
    state.counters["ours_ms"] = ours / state.iterations();
    state.counters["ratio"] = ours / baseline;
}
BENCHMARK(OpacityStep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The peak memory of the program with a 24-megapixel background and a 12-megapixel foreground
// open, against the least it can be: the program without pictures, the two pictures' pixels
// and the window's backing store. The program is the window and its readers: the largest reader
// adds what it held beside the pixels it shared with the window, which the window counts.
static void PeakMemoryWithTwoPhotos(benchmark::State& state) {
    photoPath();  // written before anything is measured
    smallPhotoPath();
    for (auto _ : state) {
        qint64 empty = 0;
        PhotoWindow shown(smallPhotoPath(), [&empty] {
            QCoreApplication::processEvents();
            peak_memory::resetPeak();
            empty = peak_memory::residentMegabytes();
        });
        PaintWatch watch(shown.window.controls().Picture1->contents());
        shown.window.controls().Picture1->contents()->update();
        watch.wait();
        const qreal ratio = shown.window.devicePixelRatioF();
        const double largest = qint64(kPhoto.width()) * kPhoto.height() * 4.0 / (1024 * 1024);
        const double pixels =
            largest + qint64(kSmallPhoto.width()) * kSmallPhoto.height() * 4.0 / (1024 * 1024);
        const double window = double(peak_memory::peakMegabytes());
        const double reader = double(readerPeakBytes(photoPath())) / (1024 * 1024);
        const double peak = window + std::max(0.0, reader - largest);
        const double backingStore =
            shown.window.width() * ratio * shown.window.height() * ratio * 4 / (1024 * 1024);
        state.counters["empty_mb"] = double(empty);
        state.counters["pixels_mb"] = pixels;
        state.counters["backing_mb"] = backingStore;
        state.counters["window_mb"] = window;
        state.counters["reader_mb"] = reader;
        state.counters["peak_mb"] = peak;
        state.counters["ratio"] = peak / (double(empty) + pixels + backingStore);
    }
}
BENCHMARK(PeakMemoryWithTwoPhotos)->Unit(benchmark::kMillisecond)->Iterations(1);

// The peak memory of the window and its readers with an arrangement of N pieces, each a
// 10000 x 10000 picture at its full size on a 10000 x 10000 plan: the worst room the file
// allows at N = 200. The reader adds what it held beside the pixels it shared with the window.
static void PeakMemoryOfLargePieces(benchmark::State& state) {
    static QTemporaryDir dir;
    constexpr QSize kSide(10000, 10000);
    const QString picture = dir.filePath(QStringLiteral("large.png"));
    if (!QFile::exists(picture)) {
        QImage large(kSide, QImage::Format_RGB32);
        large.fill(Qt::white);
        QPainter(&large).fillRect(0, 0, 5000, 5000, Qt::darkRed);  // not one colour: compressed
        large.save(picture, "PNG", 100);
    }
    const int count = int(state.range(0));
    QByteArray pieces;
    for (int i = 0; i < count; ++i) {
        pieces +=
            QByteArray(R"({"file": "large.png", "left": )") + QByteArray::number(i * 15) +
            R"(, "top": 0, "width": 150030, "height": 150030, "quarterTurns": 0, "degrees": 0, "opacity": 1},)";
    }
    pieces.chop(1);
    const QString room = dir.filePath(QStringLiteral("room-%1.pokotamu").arg(count));
    QFile file(room);
    file.open(QIODevice::WriteOnly);
    file.write(
        R"({"format": "pokotamu-arrangement", "version": 1, "background": "large.png", "pieces": [)" +
        pieces + "]}");
    file.close();
    for (auto _ : state) {
        auto* dialogs = new ScriptedDialogs;  // owned by the window
        MainWindow window(dialogs, QLocale(), dialogs);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window was never shown");
        QCoreApplication::processEvents();
        peak_memory::resetPeak();
        const double empty = double(peak_memory::residentMegabytes());
        window.openBackground(room);
        QCoreApplication::processEvents();
        const double peak = double(peak_memory::peakMegabytes());
        const double largest = double(kSide.width()) * kSide.height() * 4 / (1024 * 1024);
        const double reader = double(readerPeakBytes(picture)) / (1024 * 1024);
        state.counters["pieces_shown"] = window.area().pieces().count();
        state.counters["empty_mb"] = empty;
        state.counters["window_mb"] = peak;
        state.counters["peak_mb"] = peak + std::max(0.0, reader - largest);
    }
}
BENCHMARK(PeakMemoryOfLargePieces)
    ->Arg(5)
    ->Arg(30)
    ->Arg(200)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
