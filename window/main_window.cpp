#include "main_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "control_table.h"
#include "gate_frame.h"
#include "keeping_dialogs.h"
#include "measuring_line.h"
#include "messages.h"
#include "no_saved_settings.h"
#include "picture_box.h"
#include "picture_dialogs.h"
#include "real_sizes.h"
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
      area_(*this, pictureOrigin()),
      controls_(buildControls(*this, area_, dialogs ? *dialogs : *new QtPictureDialogs)),
      port_(*this, controls_),
      locale_(locale),
      workflow_(port_, locale_),
      sharpening_(snapshotParts(), *controls_.CommonDialog1),
      opener_(*this, area_, *controls_.Picture2, *controls_.CommonDialog1, sharpening_,
              {*controls_.Command1, *controls_.Command2}),
      furnishing_(*this, area_, opener_, workflow_, *controls_.Option3),
      ownKeepingDialogs_(keepingDialogs ? nullptr : new QtKeepingDialogs),
      keepingDialogs_(keepingDialogs ? *keepingDialogs : *ownKeepingDialogs_),
      keeper_(*this, area_, opener_, workflow_, *controls_.Option3, keepingDialogs_),
      output_(*this, area_, workflow_, keepingDialogs_),
      measure_(
          *controls_.Picture1->contents(), area_.zoom(),
          [this] { return backgroundMmPerTwip(workflow_.state()); }, locale_.decimalSeparator()),
      pointer_(area_, workflow_, measure_),
      commands_(*this, area_, workflow_, measure_, {furnishing_, keeper_, output_, sharpening_}),
      tilt_(*controls_.Line1, area_.zoom(), locale_.decimalSeparator()) {
    setObjectName(toQString(kFormName));
    setWindowTitle(toQString(kWindowTitle));
    QIcon icon(QStringLiteral(":/pokotamu.png"));
    icon.addFile(QStringLiteral(":/pokotamu-256.png"));  // sharp in docks and task switchers
    setWindowIcon(icon);
    setFont(windowFont());
    setFixedSize(toPixels(kFormClientWidth), toPixels(kFormClientHeight));
    keepNoSettings();  // the window's file dialog would save its history
    connectForm();
    opener_.onOpened([this] { commands_.followWorkflow(); });
    opener_.onArrangementChosen([this](const QString& path) {
        keeper_.open(path);
        commands_.followWorkflow();
    });
    pointer_.onPieceChosen([this](int piece) {
        if (!sharpening_.finish()) return;  // the pieces' pixels go to the foreground whole
        furnishing_.makeCurrent(piece);
        commands_.followWorkflow();
    });
    workflow_.setAfterEachEvent([this] {
        commands_.followWorkflow();
        tilt_.follow(workflow_.state());
    });
    workflow_.formLoad();
    controls_.Picture1->setFocus(Qt::OtherFocusReason);
}

void MainWindow::connectForm() {
    const FormControls& c = controls_;
    Workflow* w = &workflow_;
    connect(c.Option1, &QRadioButton::clicked, this, [w] { w->option1Click(); });
    connect(c.Option2, &QRadioButton::clicked, this, [w] { w->option2Click(); });
    connect(c.Option3, &QRadioButton::clicked, this, [w] { w->option3Click(); });
    connect(c.Command1, &QPushButton::clicked, this, [this] { opener_.command1Click(); });
    connect(c.Command2, &QPushButton::clicked, this, [this] { opener_.command2Click(); });
    connect(c.Command3, &QPushButton::clicked, this, [this] { commands_.command3Click(); });
    connect(c.Text1, &QLineEdit::textChanged, this, [w] { w->text1Change(); });
    connect(c.Text2, &QLineEdit::textChanged, this, [w] { w->text2Change(); });
}

// What the workflow and the opening of a picture change, to take back a picture whose whole
// pixels turn out unreadable.
WindowSnapshot::Parts MainWindow::snapshotParts() {
    const FormControls& c = controls_;
    return {*this,
            {c.Frame2, c.Option1, c.Option2, c.Option3, c.Command1, c.Command2, c.Command3, c.Text1,
             c.Text2, c.Label1, c.Label2, c.Label3},
            *c.Line1,
            *c.Picture2,
            area_,
            workflow_};
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
