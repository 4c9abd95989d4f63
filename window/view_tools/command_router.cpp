#include "command_router.h"

#include <QAction>
#include <QWidget>

#include "measure_tool.h"
#include "picture_area.h"
#include "picture_box.h"
#include "picture_view.h"
#include "real_sizes.h"
#include "stretch_image.h"
#include "to_qstring.h"
#include "view_tools.h"
#include "workflow.h"

CommandRouter::CommandRouter(QWidget& window, PictureArea& area, Workflow& workflow,
                             MeasureTool& measure)
    : area_(area),
      workflow_(workflow),
      measure_(measure),
      bar_(new ViewTools(window, area.view(), [this] { return barMayShow(); })) {
    connect(bar_, &ViewTools::triggered, this, &CommandRouter::run);
    connect(&area, &PictureArea::levelChanged, this,
            [this](double level) { bar_->showLevels(level, area_.foreground().opacity()); });
    addEscapeFromMeasure(window);
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
    for (const ViewCommandRow& row : viewCommands()) {
        if (movesForeground(row.command)) {
            bar_->action(row.command).setEnabled(foregroundMayMove(state));
        }
    }
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
    bar_->showForeground(!image.picture().isNull(), image.degrees(), size);
    bar_->followWorkflow();
}

void CommandRouter::command3Click() {
    const TwipRect before = area_.foreground().twips();
    workflow_.command3Click();
    area_.keepForegroundInReach(before);
}

void CommandRouter::run(ViewCommand command) {
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
    followWorkflow();
}
