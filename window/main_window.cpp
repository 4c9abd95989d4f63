#include "main_window.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "control_table.h"
#include "measured_distance.h"
#include "measuring_line.h"
#include "messages.h"
#include "no_saved_settings.h"
#include "picture_box.h"
#include "picture_dialogs.h"
#include "plane_note.h"
#include "real_sizes.h"
#include "stretch_image.h"
#include "to_qstring.h"

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

// The one local file of a drag, or empty.
QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
    const QUrl url = mime->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

MainWindow::MainWindow(PictureDialogs* dialogs, const QLocale& locale)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      view_(new PictureView(*this, pictureOrigin())),
      controls_(buildControls(*this, *view_->plane(), dialogs ? *dialogs : *new QtPictureDialogs)),
      port_(*this, controls_),
      locale_(locale),
      workflow_(port_, locale_),
      zoom_(*view_, controls_),
      placer_(*this, controls_, *view_, zoom_),
      secondPresses_([this] { return awaitsPoint(workflow_.state()); }),
      autoScroll_(*view_, [this] { return followsPointer(workflow_.state()); }),
      tools_(new ViewTools(*this, *view_,
                           [this] {
                               return !controls_.Picture1->picture().isNull() &&
                                      !awaitsPoint(workflow_.state()) &&
                                      workflow_.state().dragging != kFlagTrue;
                           })),
      measure_(
          *controls_.Picture1, *controls_.Image1,
          [this] { return backgroundMmPerTwip(workflow_.state()); }, locale_.decimalSeparator()),
      tiltNote_(new PlaneNote(controls_.Picture1->contents())) {
    setObjectName(toQString(kFormName));
    setWindowTitle(toQString(kWindowTitle));
    QIcon icon(QStringLiteral(":/pokotamu.png"));
    icon.addFile(QStringLiteral(":/pokotamu-256.png"));  // sharp in docks and task switchers
    setWindowIcon(icon);
    setFont(windowFont());
    setFixedSize(toPixels(kFormClientWidth), toPixels(kFormClientHeight));
    view_->reachTo(size());
    view_->setContentEnd(controls_.Picture1->geometry().bottomRight() + QPoint(1, 1));
    setAcceptDrops(true);
    keepNoSettings();  // the window's file dialog would save its history
    secondPresses_.watch(*controls_.Picture1);
    secondPresses_.watch(*controls_.Image1);
    connectEvents();
    followPointerWhileScrolling();
    connectViewTools();
    workflow_.setAfterEachEvent([this] { reflectWorkflow(); });
    workflow_.formLoad();
    controls_.Picture1->setFocus(Qt::OtherFocusReason);
}

void MainWindow::connectEvents() {
    const FormControls& c = controls_;
    Workflow* w = &workflow_;
    connect(c.Option1, &QRadioButton::clicked, this, [w] { w->option1Click(); });
    connect(c.Option2, &QRadioButton::clicked, this, [w] { w->option2Click(); });
    connect(c.Option3, &QRadioButton::clicked, this, [w] { w->option3Click(); });
    connect(c.Command1, &QPushButton::clicked, this, [this] { placer_.command1Click(); });
    connect(c.Command2, &QPushButton::clicked, this, [this] { placer_.command2Click(); });
    connect(c.Command3, &QPushButton::clicked, this, [this] {
        const TwipRect before = controls_.Image1->twips();
        workflow_.command3Click();
        keepResizedForegroundInReach(before);
    });
    connect(c.Text1, &QLineEdit::textChanged, this, [w] { w->text1Change(); });
    connect(c.Text2, &QLineEdit::textChanged, this, [w] { w->text2Change(); });
    connect(c.Picture1, &PictureBox::mouseDown, this,
            [w](QPointF p) { w->picture1MouseDown(float(p.x()), float(p.y())); });
    connect(c.Picture1, &PictureBox::mouseMove, this,
            [w](QPointF p) { w->picture1MouseMove(float(p.x()), float(p.y())); });
    connect(c.Image1, &StretchImage::mouseDown, this,
            [w](QPointF p) { w->image1MouseDown(float(p.x()), float(p.y())); });
    connect(c.Image1, &StretchImage::mouseMove, this,
            [w](QPointF p) { w->image1MouseMove(float(p.x()), float(p.y())); });
    connect(c.Image1, &StretchImage::mouseUp, this, [w] { w->image1MouseUp(); });
}

// While the foreground is dragged or a calibration awaits its second press, a pointer held at
// an edge of the view scrolls it, and the drag or the line goes on as if the pointer moved.
void MainWindow::followPointerWhileScrolling() {
    connect(&autoScroll_, &EdgeAutoScroll::scrolledUnderPointer, this, [this](QPoint pointer) {
        if (workflow_.state().dragging == kFlagTrue) {
            StretchImage* image = controls_.Image1;
            const QPointF at = image->twipsAt(QPointF(image->mapFromGlobal(pointer)));
            workflow_.image1MouseMove(float(at.x()), float(at.y()));
        } else {
            PictureBox* box = controls_.Picture1;
            const QPointF at = box->twipsAt(QPointF(box->contents()->mapFromGlobal(pointer)));
            workflow_.picture1MouseMove(float(at.x()), float(at.y()));
        }
    });
}

void MainWindow::connectViewTools() {
    connect(tools_, &ViewTools::triggered, this, &MainWindow::run);
    connect(view_, &PictureView::zoomWheel, this,
            [this](int steps, QPointF at) { zoom_.step(steps, at); });
    connect(&zoom_, &PictureZoom::levelChanged, this, [this](double level) {
        tools_->showLevels(level, controls_.Image1->opacity());
        measure_.setZoom(level);
        tiltNote_->setZoom(level);
    });
    // Escape ends a measure, and only a measure.
    auto* endMeasure = new QAction(this);
    endMeasure->setShortcut(Qt::Key_Escape);
    endMeasure->setShortcutContext(Qt::WindowShortcut);
    addAction(endMeasure);
    connect(endMeasure, &QAction::triggered, this, [this] {
        measure_.setOn(false);
        reflectWorkflow();
    });
    connect(&tools_->action(ViewCommand::Measure), &QAction::toggled, endMeasure,
            &QAction::setEnabled);
    endMeasure->setEnabled(false);
}

void MainWindow::reflectWorkflow() {
    const WorkflowState& state = workflow_.state();
    for (const ViewCommandRow& row : viewCommands()) {
        if (movesForeground(row.command)) {
            tools_->action(row.command).setEnabled(foregroundMayMove(state));
        }
    }
    tools_->action(ViewCommand::MeasureAlongLine).setChecked(state.measureAlongLine);
    const std::optional<double> backgroundScale = backgroundMmPerTwip(state);
    if (!backgroundScale && measure_.isOn()) measure_.setOn(false);
    tools_->action(ViewCommand::Measure).setEnabled(backgroundScale.has_value());
    tools_->action(ViewCommand::Measure).setChecked(measure_.isOn());

    if (const std::optional<Tilt> tilt = levelMeasureTilt(state)) {
        const LineEnds& line = controls_.Line1->ends();
        tiltNote_->showAt(toQString(tiltNotice(*tilt, locale_.decimalSeparator())),
                          QPointF(line.x2, line.y2));
    } else {
        tiltNote_->hide();
    }

    StretchImage* image = controls_.Image1;
    QString size;
    if (const std::optional<double> scale = foregroundMmPerTwip(state)) {
        size = toQString(sizeText(image->twips().width * *scale, image->twips().height * *scale));
    }
    tools_->showForeground(!image->picture().isNull(), image->degrees(), size);
    tools_->followWorkflow();
}

void MainWindow::run(ViewCommand command) {
    StretchImage* image = controls_.Image1;
    // See-through in tenths, from the picture's own pixels down to one tenth.
    const auto changeOpacity = [this, image](int tenths) {
        const int now = int(std::lround(image->opacity() * 10));
        image->setOpacity(std::clamp(now + tenths, 1, 10) / 10.0);
        tools_->showLevels(zoom_.level(), image->opacity());
    };
    switch (command) {
        case ViewCommand::ZoomOut:
            zoom_.stepAboutCentre(-1);
            break;
        case ViewCommand::ZoomIn:
            zoom_.stepAboutCentre(1);
            break;
        case ViewCommand::ActualSize:
            zoom_.showActualSize();
            break;
        case ViewCommand::Fit:
            zoom_.fitBackground();
            break;
        case ViewCommand::Fainter:
            changeOpacity(-1);
            break;
        case ViewCommand::Stronger:
            changeOpacity(1);
            break;
        case ViewCommand::TurnLeft:
            image->turnQuarter(false);
            break;
        case ViewCommand::TurnRight:
            image->turnQuarter(true);
            break;
        case ViewCommand::TurnLeftDegree:
            image->turnDegrees(-1);
            break;
        case ViewCommand::TurnRightDegree:
            image->turnDegrees(1);
            break;
        case ViewCommand::Centre:
            centreForeground();
            break;
        case ViewCommand::MeasureAlongLine:
            workflow_.measureAlongLineToggle();
            break;
        case ViewCommand::Measure:
            measure_.setOn(!measure_.isOn());
            break;
    }
    reflectWorkflow();
}

void MainWindow::centreForeground() {
    StretchImage* image = controls_.Image1;
    const QPointF centre = zoom_.shownBackgroundCentreTwips();
    const TwipRect at = image->twips();
    image->setTwips({float(centre.x() - at.width / 2.0), float(centre.y() - at.height / 2.0),
                     at.width, at.height});
}

void MainWindow::keepResizedForegroundInReach(const TwipRect& before) {
    const TwipRect after = controls_.Image1->twips();
    if (after.width == before.width && after.height == before.height) return;  // not resized
    const TwipRect box = controls_.Picture1->twips();
    const double border = toTwips(2 * PictureBox::kBorderPixels);
    const bool reaches = after.left < box.width - border && after.left + after.width > 0 &&
                         after.top < box.height - border && after.top + after.height > 0;
    if (!reaches) centreForeground();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    view_->reachTo(size());
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    // The frame is known once the window is shown; the whole window is centred.
    if (const QScreen* screen = this->screen()) {
        const QRect frame = frameGeometry();
        move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

// A dropped file does what the "..." button of the chosen task would do with it.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const bool loadingTask = controls_.Command1->isEnabled() || controls_.Command2->isEnabled();
    if (loadingTask && !droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    if (controls_.Command1->isEnabled()) {
        placer_.openBackground(path);
    } else if (controls_.Command2->isEnabled()) {
        placer_.openForeground(path);
    }
}
