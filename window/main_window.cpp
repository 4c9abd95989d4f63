// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPushButton>

#include "control_table.h"
#include "keeping_dialogs.h"
#include "messages.h"
#include "no_saved_settings.h"
#include "picture_box.h"
#include "picture_dialogs.h"
#include "real_sizes.h"
#include "shown_names.h"
#include "to_qstring.h"
#include "window_fit.h"

namespace {

QFont windowFont() {
    QFont font;
    // The layout is made for the classic Japanese interface font, whose lines are as tall as
    // its letters; IPA P Gothic has the same metrics. Noto CJK is the last resort.
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    return font;
}

// Where the background box stands in the window; the picture view starts there.
QPoint pictureOrigin() {
    const ControlRow& box = controlRow("Picture1");
    return {toPixels(box.left), toPixels(box.top)};
}

}  // namespace

MainWindow::MainWindow(PictureDialogs* dialogs, const QLocale& locale,
                       KeepingDialogs* keepingDialogs)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      locale_(locale),
      room_(locale_, roomAsDescribed()),
      area_(*this, pictureOrigin(), room_),
      controls_(buildControls(*this, area_, dialogs ? *dialogs : *new QtPictureDialogs)),
      form_(*this, controls_, room_),
      sharpening_(*this, area_, room_, *controls_.CommonDialog1),
      opener_(*this, area_, room_, *controls_.CommonDialog1, sharpening_,
              {*controls_.Command1, *controls_.Command2}),
      furnishing_(*this, area_, opener_, room_),
      planScale_(*this, room_, *controls_.CommonDialog1,
                 QString::fromStdString(locale_.decimalSeparator())),
      pieceSharpening_(area_, room_),
      drawingDetail_(*this, area_, room_),
      ownKeepingDialogs_(keepingDialogs ? nullptr : new QtKeepingDialogs),
      keepingDialogs_(keepingDialogs ? *keepingDialogs : *ownKeepingDialogs_),
      keeper_(*this, area_, opener_, room_, keepingDialogs_),
      output_(*this, room_, keepingDialogs_),
      measure_(
          *controls_.Picture1->contents(), area_,
          [this] { return backgroundMmPerTwip(room_.state()); }, locale_.decimalSeparator()),
      pointer_(area_, room_, measure_),
      commands_(*this, {room_, area_, furnishing_, keeper_, output_, measure_, planScale_}),
      tilt_(*controls_.Line1, area_, locale_.decimalSeparator()) {
    setObjectName(toQString(kFormName));
    setWindowTitle(toQString(kWindowTitle));
    QIcon icon(QStringLiteral(":/pokotamu.png"));
    icon.addFile(QStringLiteral(":/pokotamu-256.png"));  // sharp in docks and task switchers
    setWindowIcon(icon);
    setFont(windowFont());
    setFixedSize(toPixels(kFormClientWidth), toPixels(kFormClientHeight));
    keepNoSettings();  // the window's file dialog would save its history
    connect(controls_.Command1, &QPushButton::clicked, this, [this] { opener_.command1Click(); });
    connect(controls_.Command2, &QPushButton::clicked, this, [this] { opener_.command2Click(); });
    connect(controls_.Command3, &QPushButton::clicked, this, [this] { commands_.command3Click(); });
    opener_.onOpened([this] { commands_.followWorkflow(); });
    opener_.onArrangementChosen([this](const QString& path) {
        keeper_.open(path);
        commands_.followWorkflow();
    });
    pointer_.onPieceChosen([this](int piece) { commands_.choosePiece(piece); });
    const auto written = [this](const QString& path) {
        commands_.tell(QStringLiteral("書きました：%1").arg(shownName(path)));
    };
    keeper_.onWritten(written);
    output_.onWritten(written);
    connect(&room_, &RoomDocument::workflowFollowed, this, [this] {
        commands_.followWorkflow();
        tilt_.follow(room_.state());
    });
    room_.workflow().formLoad();
    controls_.Picture1->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

// Whoever kept no pieces and opened no arrangement is never asked.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (keeper_.mayClose()) {
        QWidget::closeEvent(event);
    } else {
        event->ignore();
    }
}

// The frame is known once the window is shown; the whole window is centred, once.
void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    centreOnScreen(*this);
}
