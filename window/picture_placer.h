#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "form_controls.h"
#include "picture_file_reader.h"
#include "picture_reader_process.h"
#include "twips.h"

class PictureView;
class PictureZoom;

// The two "..." buttons: a chosen file is read in a reader process, then its picture is placed: the
// background into Picture1 with the window fitted to it, the foreground into Image1 at the
// top-left corner, sized through the hidden Picture2. A background opens at 100 %, or fitted
// into the view when it is larger.
class PicturePlacer {
public:
    // The smallest width and height of the background box after a load, in twips: the
    // bottom edge of the status line.
    static constexpr float kMinBackgroundTwips = 4575;

    PicturePlacer(QWidget& form, const FormControls& controls, PictureView& view, PictureZoom& zoom)
        : form_(form), c_(controls), view_(view), zoom_(zoom) {}

    void command1Click();
    void command2Click();

    // The steps after the file is chosen; a file that cannot be read is reported and
    // changes nothing more. Also used for a dropped file.
    void openBackground(const QString& path);
    void openForeground(const QString& path);

private:
    QString chooseFile();
    std::optional<ReadPicture> read(const QString& path);
    void fitFormToBackground();
    TwipRect sizeMeasuredByPicture2() const;

    QWidget& form_;
    const FormControls& c_;
    PictureView& view_;
    PictureZoom& zoom_;
    PictureReaderProcess reader_;  // keeps the next reader ready
};
