#include "command_router.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QWidget>

#include "arrangement_history.h"
#include "arrangement_keeper.h"
#include "arrangement_output.h"
#include "furnishing.h"
#include "measure_tool.h"
#include "picture_area.h"
#include "picture_box.h"
#include "picture_view.h"
#include "real_sizes.h"
#include "sharpening.h"
#include "stretch_image.h"
#include "to_qstring.h"
#include "view_tools.h"
#include "workflow.h"

CommandRouter::CommandRouter(QWidget& window, PictureArea& area, Workflow& workflow,
                             MeasureTool& measure, Rooms rooms)
    : area_(area),
      workflow_(workflow),
      measure_(measure),
      furnishing_(rooms.furnishing),
      keeper_(rooms.keeper),
      output_(rooms.output),
      sharpening_(rooms.sharpening),
      bar_(new ViewTools(window, area.view(), [this] { return barMayShow(); })) {
    connect(bar_, &ViewTools::triggered, this, &CommandRouter::run);
    connect(&area, &PictureArea::levelChanged, this,
            [this](double level) { bar_->showLevels(level, area_.foreground().opacity()); });
    addEscapeFromMeasure(window);
    // The arrows are a text box's or an option's own while it has the focus.
    connect(qApp, &QApplication::focusChanged, this, &CommandRouter::followWorkflow);
}

// Escape ends a measure, and only a measure.
void CommandRouter::addEscapeFromMeasure(QWidget& window) {
    auto* endMeasure = new QAction(&window);
    endMeasure->setShortcut(Qt::Key_Escape);
    endMeasure->setShortcutContext(Qt::WindowShortcut);
    window.addAction(endMeasure);
    connect(endMeasure, &QAction::triggered, this, [this] {
        measure_.setOn(false);
        followWorkflow();
    });
    connect(&bar_->action(ViewCommand::Measure), &QAction::toggled, endMeasure,
            &QAction::setEnabled);
    endMeasure->setEnabled(false);
}

bool CommandRouter::barMayShow() const {
    const WorkflowState& state = workflow_.state();
    return !area_.background().picture().isNull() && !awaitsPoint(state) &&
           state.dragging != kFlagTrue;
}

void CommandRouter::followWorkflow() {
    const WorkflowState& state = workflow_.state();
    const QWidget* focus = QApplication::focusWidget();
    const bool arrowsFree =
        !qobject_cast<const QLineEdit*>(focus) && !qobject_cast<const QAbstractButton*>(focus);
    const bool mayMove = foregroundMayMove(state);
    const bool planShown = !area_.background().picture().isNull();
    for (const ViewCommandRow& row : viewCommands()) {
        QAction& action = bar_->action(row.command);
        if (movesForeground(row.command)) {
            const bool applies =
                !nudges(row.command) || (arrowsFree && furnishing_.hasForeground());
            action.setEnabled(mayMove && applies);
        }
        if (keeps(row.command)) {
            action.setEnabled(state.dragging != kFlagTrue &&
                              (planShown || row.command == ViewCommand::Open));
        }
    }
    const ArrangementHistory& history = area_.history();
    bar_->action(ViewCommand::Undo).setEnabled(mayMove && history.canUndo());
    bar_->action(ViewCommand::Redo).setEnabled(mayMove && history.canRedo());
    bar_->action(ViewCommand::Remove)
        .setEnabled(mayMove && (furnishing_.hasForeground() || area_.pieces().count() > 0));
    bar_->action(ViewCommand::NextPiece)
        .setEnabled(furnishing_.hasForeground() && !awaitsPoint(state) &&
                    state.dragging != kFlagTrue);
    bar_->action(ViewCommand::MeasureAlongLine).setChecked(state.measureAlongLine);
    const bool scaled = backgroundMmPerTwip(state).has_value();
    if (!scaled && measure_.isOn()) measure_.setOn(false);
    bar_->action(ViewCommand::Measure).setEnabled(scaled);
    bar_->action(ViewCommand::Measure).setChecked(measure_.isOn());

    const StretchImage& image = area_.foreground();
    QString size;
    if (const std::optional<double> scale = foregroundMmPerTwip(state)) {
        size = toQString(sizeText(image.twips().width * *scale, image.twips().height * *scale));
    }
    bar_->showLevels(area_.level(), image.opacity());
    bar_->showForeground(furnishing_.hasForeground(), image.degrees(), size);
    bar_->followWorkflow();
}

void CommandRouter::command3Click() {
    const TwipRect before = area_.foreground().twips();
    area_.history().beginChange();
    workflow_.command3Click();
    area_.keepForegroundInReach(before);
    area_.history().endChange();
}

// A change of the arrangement is a step; the view's commands change none and make none. All
// but the zoom's want every picture's pixels whole: they turn them, copy them, keep them as a
// piece or a step, or write them.
void CommandRouter::run(ViewCommand command) {
    using enum ViewCommand;
    if (!isOneOf(command, {ZoomIn, ZoomOut, ActualSize, Fit}) && !sharpening_.finish()) {
        followWorkflow();
        return;
    }
    if (command == ViewCommand::Undo) {
        area_.history().undo();
    } else if (command == ViewCommand::Redo) {
        area_.history().redo();
    } else if (command == ViewCommand::NextPiece) {
        furnishing_.nextPiece();  // its own steps: a cancelled choice is none
    } else if (keeps(command)) {
        keep(command);
    } else {
        area_.history().beginChange();
        carryOut(command);
        area_.history().endChange();
    }
    followWorkflow();
}

void CommandRouter::carryOut(ViewCommand command) {
    using enum ViewCommand;
    StretchImage& image = area_.foreground();
    const int way = isOneOf(command, {ZoomIn, Stronger, TurnRight, TurnRightDegree}) ? 1 : -1;
    if (isOneOf(command, {ZoomOut, ZoomIn})) area_.stepAboutCentre(way);
    if (command == ActualSize) area_.showActualSize();
    if (command == Fit) area_.fitBackground();
    if (isOneOf(command, {Fainter, Stronger})) image.stepOpacity(way);
    if (isOneOf(command, {TurnLeft, TurnRight})) image.turnQuarter(way > 0);
    if (isOneOf(command, {TurnLeftDegree, TurnRightDegree})) image.turnDegrees(way);
    if (command == Centre) area_.centreForeground();
    if (command == MeasureAlongLine) workflow_.measureAlongLineToggle();
    if (command == Measure) measure_.setOn(!measure_.isOn());
    if (command == Remove) furnishing_.removeUnderPointer();
    if (nudges(command)) {
        const int far = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier ? 10 : 1;
        furnishing_.nudge(nudgeOf(command).x() * far, nudgeOf(command).y() * far);
    }
}

void CommandRouter::keep(ViewCommand command) {
    using enum ViewCommand;
    if (command == Save) keeper_.save();
    if (command == Open) keeper_.open();
    if (command == Export) output_.exportFile();
    if (command == Print) output_.print();
    if (command == Copy) output_.copy();
}
