#include "picture_placer.h"

#include <QGuiApplication>
#include <QWidget>

#include "picture_box.h"
#include "picture_dialogs.h"
#include "picture_zoom.h"
#include "reader_wait.h"
#include "stretch_image.h"
#include "unreadable_reasons.h"
#include "window_fit.h"

namespace {

// Decoding a large photo takes a moment; the pointer says so.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

QString PicturePlacer::chooseFile() { return c_.CommonDialog1->choosePicture(&form_); }

void PicturePlacer::command1Click() {
    const QString path = chooseFile();
    if (path.isEmpty()) return;  // cancelled
    openBackground(path);
}

void PicturePlacer::command2Click() {
    const QString path = chooseFile();
    if (path.isEmpty()) return;
    openForeground(path);
}

// The one place a decoded picture arrives; a cancelled decoding counts as a file not read,
// but is no error to report.
std::optional<ReadPicture> PicturePlacer::read(const QString& path) {
    std::optional<ReadPicture> loaded;
    {
        BusyCursor busy;
        loaded = readWhileWaiting(form_, reader_, path);
    }
    if (!loaded) return std::nullopt;
    if (loaded->problem == PictureProblem::None) return loaded;
    c_.CommonDialog1->reportUnreadable(&form_, path, reasonText(*loaded));
    return std::nullopt;
}

void PicturePlacer::openBackground(const QString& path) {
    const std::optional<ReadPicture> picture = read(path);
    if (!picture) return;
    if (zoom_.level() != 1.0) zoom_.showActualSize();
    c_.Picture1->setPicture(picture->image, picture->onWhitePaper);

    TwipRect box = c_.Picture1->twips();
    if (box.height < kMinBackgroundTwips || box.width < kMinBackgroundTwips) {
        box.height = kMinBackgroundTwips;
        box.width = kMinBackgroundTwips;
        c_.Picture1->setTwips(box);
    }
    fitFormToBackground();
    if (!zoom_.backgroundFitsAtActualSize()) zoom_.fitBackground();
}

// The client area ends exactly at the background box's right and bottom edges, whatever the
// frame, as far as the screen allows; the window shrinks as readily as it grows.
void PicturePlacer::fitFormToBackground() {
    const TwipRect box = c_.Picture1->twips();
    fitWindowTo(form_, view_,
                {toPixels(double(box.left) + box.width), toPixels(double(box.top) + box.height)});
}

void PicturePlacer::openForeground(const QString& path) {
    c_.Image1->setExtent(Extent::Top, 0);
    c_.Image1->setExtent(Extent::Left, 0);
    const std::optional<ReadPicture> picture = read(path);
    if (!picture) return;
    // Decoded once: Image1 and Picture2 share the same pixels.
    c_.Image1->setPicture(picture->image, picture->onWhitePaper);
    c_.Picture2->setPicture(picture->image);
    const TwipRect measured = sizeMeasuredByPicture2();
    c_.Image1->setExtent(Extent::Width, measured.width);
    c_.Image1->setExtent(Extent::Height, measured.height);
}

// The foreground's size is the one the hidden Picture2 takes for its picture: the picture's
// natural size plus Picture2's one-pixel border on each side.
TwipRect PicturePlacer::sizeMeasuredByPicture2() const { return c_.Picture2->twips(); }
