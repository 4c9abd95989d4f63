#include "picture_opener.h"

#include <QGuiApplication>
#include <QWidget>

#include "picture_box.h"
#include "picture_decoding.h"
#include "picture_dialogs.h"
#include "picture_loader.h"
#include "stretch_image.h"
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

QString PictureOpener::chooseFile() { return c_.CommonDialog1->choosePicture(&form_); }

void PictureOpener::command1Click() {
    const QString path = chooseFile();
    if (path.isEmpty()) return;  // cancelled
    openBackground(path);
}

void PictureOpener::command2Click() {
    const QString path = chooseFile();
    if (path.isEmpty()) return;
    openForeground(path);
}

// The one place a decoded picture arrives; a cancelled decoding counts as a file not read,
// but is no error to report.
std::optional<QImage> PictureOpener::read(const QString& path) {
    std::optional<LoadedPicture> loaded;
    {
        BusyCursor busy;
        loaded = decodeWhileWaiting(form_, path);
    }
    if (!loaded) return std::nullopt;
    if (loaded->problem == PictureProblem::None) return std::move(loaded->image);
    c_.CommonDialog1->reportUnreadable(&form_, path, describe(loaded->problem));
    return std::nullopt;
}

void PictureOpener::openBackground(const QString& path) {
    const std::optional<QImage> picture = read(path);
    if (!picture) return;
    c_.Picture1->setPicture(*picture);

    TwipRect box = c_.Picture1->twips();
    if (box.height < kMinBackgroundTwips || box.width < kMinBackgroundTwips) {
        box.height = kMinBackgroundTwips;
        box.width = kMinBackgroundTwips;
        c_.Picture1->setTwips(box);
    }
    fitFormToBackground();
}

// The client area ends exactly at the background box's right and bottom edges, whatever the
// frame, as far as the screen allows; the window shrinks as readily as it grows.
void PictureOpener::fitFormToBackground() {
    const TwipRect box = c_.Picture1->twips();
    fitWindowTo(form_, view_,
                {toPixels(double(box.left) + box.width), toPixels(double(box.top) + box.height)});
}

void PictureOpener::openForeground(const QString& path) {
    c_.Image1->setExtent(Extent::Top, 0);
    c_.Image1->setExtent(Extent::Left, 0);
    const std::optional<QImage> picture = read(path);
    if (!picture) return;
    // Decoded once: Image1 and Picture2 share the same pixels.
    c_.Image1->setPicture(*picture);
    c_.Picture2->setPicture(*picture);
    c_.Image1->setExtent(Extent::Width, c_.Picture2->twips().width);
    c_.Image1->setExtent(Extent::Height, c_.Picture2->twips().height);
}
