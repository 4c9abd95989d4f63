// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_router.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include "command_bar.h"
#include "furnishing.h"
#include "measure_tool.h"
#include "picture_status.h"
#include "picture_area.h"
#include "picture_view.h"
#include "real_sizes.h"
#include "room_document.h"
#include "to_qstring.h"

CommandRouter::CommandRouter(QWidget& window, CommandRooms rooms)
    : rooms_(rooms),
      bar_(new CommandBar(window, rooms.area.view(), [this] { return barMayShow(); })),
      status_(new PictureStatus(window, rooms.area.view())) {
    connect(bar_, &CommandBar::triggered, this, &CommandRouter::run);
    connect(&rooms.area, &PictureArea::levelChanged, this,
            [this](double level) { bar_->showLevels(level, rooms_.room.foreground().opacity); });
    addEscapeFromMeasure(window);
    connect(&rooms.room, &RoomDocument::stepTaken, this, [this](bool back, const QString& text) {
        tell((back ? QStringLiteral("元に戻しました：") : QStringLiteral("やり直しました：")) + text);
    });
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
        rooms_.measure.setOn(false);
        followWorkflow();
    });
    connect(&bar_->action(Command::Measure), &QAction::toggled, endMeasure, &QAction::setEnabled);
    endMeasure->setEnabled(false);
}

bool CommandRouter::holds(unsigned needs) const {
    const RoomDocument& room = rooms_.room;
    const WorkflowState& state = room.state();
    const QWidget* focus = QApplication::focusWidget();
    const bool arrowsFree =
        !qobject_cast<const QLineEdit*>(focus) && !qobject_cast<const QAbstractButton*>(focus);
    const std::pair<unsigned, bool> conditions[] = {
        {need::kPlan, room.hasPlan()},
        {need::kForeground, room.hasForeground()},
        {need::kSomethingToRemove, room.hasForeground() || !room.pieces().empty()},
        {need::kForegroundStill, foregroundMayMove(state)},
        {need::kNotDragging, state.dragging != kFlagTrue},
        {need::kNoPressAwaited, !awaitsPoint(state)},
        {need::kArrowsFree, arrowsFree},
        {need::kPlanScale, backgroundMmPerTwip(state).has_value()},
        {need::kStepBack, room.history().canUndo()},
        {need::kStepForth, room.history().canRedo()},
    };
    for (const auto& [condition, met] : conditions) {
        if ((needs & condition) && !met) return false;
    }
    return true;
}

bool CommandRouter::barMayShow() const {
    return holds(need::kPlan | need::kNoPressAwaited | need::kNotDragging);
}

void CommandRouter::followWorkflow() {
    // A measure needs the plan's scale; it ends when the scale goes.
    if (!holds(need::kPlanScale) && rooms_.measure.isOn()) rooms_.measure.setOn(false);
    for (const CommandRow& row : commandTable()) {
        QAction& action = bar_->action(row.command);
        action.setEnabled(holds(row.needs));
        if (row.isOn) action.setChecked(row.isOn(rooms_));
    }
    const RoomDocument& room = rooms_.room;
    // The steps say what they take back or do again.
    for (const auto& [command, step] : {std::pair{Command::Undo, room.history().undoText()},
                                        std::pair{Command::Redo, room.history().redoText()}}) {
        const CommandRow& row = commandRow(command);
        QAction& action = bar_->action(command);
        const QString what = QString::fromUtf8(row.text) + (step.isEmpty() ? QString() : u'：' + step);
        action.setToolTip(QStringLiteral("%1（%2）").arg(what, action.shortcut().toString()));
    }
    const PlacedPicture& foreground = room.foreground();
    QString size;
    if (const std::optional<double> scale = foregroundMmPerTwip(room.state())) {
        size =
            toQString(sizeText(foreground.twips.width * *scale, foreground.twips.height * *scale));
    }
    bar_->showLevels(rooms_.area.level(), foreground.opacity);
    bar_->showForeground(room.hasForeground(), foreground.degrees, size);
    bar_->followWorkflow();
    status_->followModes(room.state().measureAlongLine, rooms_.measure.isOn());
}

void CommandRouter::tell(const QString& done) { status_->tell(done); }

void CommandRouter::run(Command command) {
    const CommandRow& row = commandRow(command);
    if (holds(row.needs)) {
        rooms_.room.step({QString::fromUtf8(row.text), bool(row.needs & need::kWholePixels)},
                         [&] { row.run(rooms_); });
    }
    followWorkflow();
}

void CommandRouter::command3Click() {
    rooms_.room.step({QStringLiteral("変  更")}, [this] {
        const TwipRect before = rooms_.room.foreground().twips;
        rooms_.room.workflow().command3Click();
        rooms_.area.keepForegroundInReach(before);
    });
    followWorkflow();
}

void CommandRouter::choosePiece(int piece) {
    rooms_.room.step({QStringLiteral("家具を選ぶ"), true},
                     [&] { rooms_.furnishing.makeCurrent(piece); });
    followWorkflow();
}
