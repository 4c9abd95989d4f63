// SPDX-License-Identifier: GPL-3.0-or-later
// Times what users compare programs by: from starting a picture viewer with a file on its command
// line to the picture on the screen. `bash scripts/bench-viewers` runs it for this program and
// the viewers users know, on a bare X server.
//
//   first_picture_on_screen make FOLDER             the four files of the comparison
//   first_picture_on_screen decode FILE             milliseconds Qt's decoder alone takes
//   first_picture_on_screen watch KIND PROGRAM ...  milliseconds until the picture shows
//   first_picture_on_screen bare                    a bare Qt window, to start beside this one
//
// KIND is photo, plan, or window: a window's own grey, as Qt paints an empty one, for the time
// to a shown window (`bash scripts/bench-start-up`).
//
// The photos are magenta through and through, the plan's rooms light grey: whatever part of the
// picture a viewer shows first, at whatever zoom, shows that colour, and no viewer's own frame,
// bar or background does.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace {

// Photo-like: slow gradients, fine pattern and grain, all about magenta.
void writePhoto(const QString& path, QSize size) {
    QImage photo(size, QImage::Format_RGB32);
    quint32 grain = 12345;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            grain = grain * 1103515245 + 12345;
            const int g = int(grain >> 27);  // 0..31
            line[x] = qRgb(170 + ((x / 24) & 63) + g / 2, ((y / 16) & 31) + g,
                           170 + (((x ^ y) * 7) & 63) + g / 2);
        }
    }
    photo.save(path, "JPEG", 90);
}

// A plan of an A2 sheet scanned grey at 300 dpi: white paper, walls, light grey rooms, text.
void writePlan(const QString& path) {
    QImage plan(7016, 4961, QImage::Format_Grayscale8);
    plan.fill(255);
    QPainter painter(&plan);
    for (int room = 0; room < 48; ++room) {
        const QRect at(100 + room % 8 * 850, 100 + room / 8 * 790, 800, 740);
        painter.fillRect(at, QColor(200, 200, 200));
        painter.setPen(QPen(Qt::black, 12));
        painter.drawRect(at);
    }
    painter.setPen(QPen(Qt::black, 3));
    painter.setFont(QFont(QStringLiteral("sans"), 40));
    for (int i = 0; i < 200; ++i)
        painter.drawText(200 + i % 20 * 330, 260 + i / 20 * 470, QStringLiteral("洋室 12.5 m²"));
    painter.end();
    plan.save(path);
}

bool magenta(int r, int g, int b) { return r - g > 90 && b - g > 90; }
bool roomGrey(int r, int g, int b) {
    return std::abs(r - 200) < 16 && std::abs(g - 200) < 16 && std::abs(b - 200) < 16 &&
           std::abs(r - b) < 6;
}

// Pixels of the kind on sixteen lines across the screen.
int pixelsShown(Display* display, const std::function<bool(int, int, int)>& kind) {
    const Window root = DefaultRootWindow(display);
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    int shown = 0;
    for (int line = 0; line < 16; ++line) {
        XImage* image = XGetImage(display, root, 0, height * (2 * line + 1) / 32, unsigned(width),
                                  1, AllPlanes, ZPixmap);
        if (!image) continue;
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, x, 0);
            shown += kind(int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)) ? 1 : 0;
        }
        XDestroyImage(image);
    }
    return shown;
}

bool windowGrey(int r, int g, int b) { return r == g && g == b && r >= 236 && r <= 241; }

int watch(const char* kindName, char** command) {
    const QByteArray name(kindName);
    const std::function<bool(int, int, int)> kind = name == "plan"     ? roomGrey
                                                    : name == "window" ? windowGrey
                                                                       : magenta;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    if (pixelsShown(display, kind) > 0) return 3;  // the screen must start without it
    QElapsedTimer clock;
    clock.start();
    const pid_t viewer = fork();
    if (viewer == 0) {
        setpgid(0, 0);
        execvp(command[0], command);
        _exit(127);
    }
    double shownAt = -1;
    while (clock.elapsed() < 30000) {
        if (pixelsShown(display, kind) >= 200) {
            shownAt = double(clock.nsecsElapsed()) / 1e6;
            break;
        }
        if (waitpid(viewer, nullptr, WNOHANG) == viewer) break;
        usleep(2000);
    }
    kill(-viewer, SIGKILL);
    waitpid(viewer, nullptr, 0);
    // Gone from the screen before the next one starts.
    while (pixelsShown(display, kind) > 0 && clock.elapsed() < 40000) usleep(10000);
    XCloseDisplay(display);
    if (shownAt < 0) return 4;
    std::printf("%.0f\n", shownAt);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && QByteArray(argv[1]) == "bare") {
        QApplication app(argc, argv);
        QWidget window;
        window.resize(770, 520);
        window.show();
        return QApplication::exec();
    }
    const QByteArray what = argc > 2 ? argv[1] : "";
    if (what == "make") {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // the plan's text needs fonts, not a screen
        QGuiApplication app(argc, argv);
        const QString folder = QString::fromLocal8Bit(argv[2]);
        writePhoto(folder + QStringLiteral("/photo-12mp.jpg"), {4000, 3000});
        writePhoto(folder + QStringLiteral("/photo-24mp.jpg"), {6000, 4000});
        writePhoto(folder + QStringLiteral("/photo-48mp.jpg"), {8000, 6000});
        writePlan(folder + QStringLiteral("/plan-a2-300dpi.png"));
        return 0;
    }
    QCoreApplication app(argc, argv);
    if (what == "decode") {
        QImageReader::setAllocationLimit(0);
        QElapsedTimer clock;
        clock.start();
        const QImage picture = QImageReader(QString::fromLocal8Bit(argv[2])).read();
        if (picture.isNull()) return 4;
        std::printf("%.0f\n", double(clock.nsecsElapsed()) / 1e6);
        return 0;
    }
    if (what == "watch" && argc > 3) return watch(argv[2], argv + 3);
    std::fprintf(stderr,
                 "usage: %s make FOLDER | decode FILE | watch photo|plan|window PROGRAM... | bare\n",
                 argv[0]);
    return 2;
}
