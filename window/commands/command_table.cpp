// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_table.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstring>

#include "arrangement_keeper.h"
#include "arrangement_output.h"
#include "furnishing.h"
#include "measure_tool.h"
#include "picture_area.h"
#include "plan_scale.h"
#include "room_document.h"

namespace {

constexpr int kNoLine = -1;

using namespace need;
constexpr unsigned kTurns = kForegroundStill | kWholePixels;
constexpr unsigned kNudges = kForegroundStill | kArrowsFree | kForeground | kWholePixels;
constexpr unsigned kKeeps = kPlan | kNotDragging | kWholePixels;

// Shift nudges ten times as far.
void nudge(CommandRooms& rooms, int right, int down) {
    const int far = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier ? 10 : 1;
    rooms.furnishing.nudge(right * far, down * far);
}

const std::vector<CommandRow> kCommands = {
    // The view's.
    {Command::ZoomOut,
     0,
     "－",
     "縮小",
     {"Ctrl+-"},
     0,
     [](CommandRooms& r) { r.area.stepAboutCentre(-1); }},
    {Command::ZoomIn,
     0,
     "＋",
     "拡大",
     {"Ctrl++", "Ctrl+="},
     0,
     [](CommandRooms& r) { r.area.stepAboutCentre(1); }},
    {Command::ActualSize,
     0,
     "1:1",
     "100% で表示",
     {"Ctrl+0"},
     0,
     [](CommandRooms& r) { r.area.showActualSize(); }},
    {Command::Fit,
     0,
     "全体",
     "背景画像の全体を表示",
     {"Ctrl+9"},
     0,
     [](CommandRooms& r) { r.area.fitBackground(); }},
    {Command::DrawingScale,
     0,
     "縮尺",
     "背景画像の縮尺を図面の縮尺（1:N）から決める",
     {"Ctrl+Shift+D"},
     kPlan | kNotDragging | kWholePixels,
     [](CommandRooms& r) { r.planScale.setFromPaper(); }},
    // The foreground's.
    {Command::Fainter,
     1,
     "薄",
     "前景画像を薄く（透かす）",
     {"Ctrl+["},
     kWholePixels,
     [](CommandRooms& r) { r.room.stepForegroundOpacity(-1); }},
    {Command::Stronger,
     1,
     "濃",
     "前景画像を濃く",
     {"Ctrl+]"},
     kWholePixels,
     [](CommandRooms& r) { r.room.stepForegroundOpacity(1); }},
    {Command::TurnLeft,
     2,
     "↺",
     "前景画像を左に 90° 回す",
     {"Ctrl+L"},
     kTurns,
     [](CommandRooms& r) { r.room.turnForegroundQuarter(false); }},
    {Command::TurnRight,
     2,
     "↻",
     "前景画像を右に 90° 回す",
     {"Ctrl+R"},
     kTurns,
     [](CommandRooms& r) { r.room.turnForegroundQuarter(true); }},
    {Command::TurnLeftDegree,
     2,
     "↶",
     "前景画像を左に 1° 回す",
     {"Ctrl+Shift+L"},
     kTurns,
     [](CommandRooms& r) { r.room.turnForegroundDegrees(-1); }},
    {Command::TurnRightDegree,
     2,
     "↷",
     "前景画像を右に 1° 回す",
     {"Ctrl+Shift+R"},
     kTurns,
     [](CommandRooms& r) { r.room.turnForegroundDegrees(1); }},
    {Command::Centre,
     3,
     "中央",
     "前景画像を表示の中央へ",
     {"Ctrl+H"},
     kTurns,
     [](CommandRooms& r) { r.area.centreForeground(); }},
    {Command::MeasureAlongLine,
     3,
     "斜",
     "斜めの距離で測る",
     {"Ctrl+T"},
     kWholePixels,
     [](CommandRooms& r) { r.room.workflow().measureAlongLineToggle(); },
     [](const CommandRooms& r) { return r.room.state().measureAlongLine; }},
    {Command::Measure,
     3,
     "測",
     "長さを測る",
     {"Ctrl+M"},
     kPlanScale | kWholePixels,
     [](CommandRooms& r) { r.measure.setOn(!r.measure.isOn()); },
     [](const CommandRooms& r) { return r.measure.isOn(); }},
    {Command::CalibrateAgain, 3, "再", "前景画像を測り直す（背景の縮尺はそのまま）", {"Ctrl+Shift+F"},
     kForeground | kPlanScale | kNotDragging | kWholePixels,
     [](CommandRooms& r) { r.furnishing.calibrateAgain(); }},
    // The furniture's: changing it, or taking it back.
    {Command::Undo,
     1,
     "戻",
     "元に戻す",
     {"Ctrl+Z"},
     kForegroundStill | kStepBack | kWholePixels,
     [](CommandRooms& r) { r.room.undo(); }},
    {Command::Redo,
     1,
     "進",
     "やり直す",
     {"Ctrl+Shift+Z", "Ctrl+Y"},
     kForegroundStill | kStepForth | kWholePixels,
     [](CommandRooms& r) { r.room.redo(); }},
    {Command::NextPiece,
     4,
     "次",
     "次の家具",
     {"Ctrl+N"},
     kForeground | kNoPressAwaited | kNotDragging | kWholePixels,
     [](CommandRooms& r) { r.furnishing.nextPiece(); }},
    {Command::Remove,
     4,
     "削",
     "前景画像か指した家具を取り除く",
     {"Del"},
     kForegroundStill | kSomethingToRemove | kWholePixels,
     [](CommandRooms& r) { r.furnishing.removeUnderPointer(); }},
    {Command::NudgeLeft,
     kNoLine,
     "",
     "前景画像を左へ 1 ピクセル",
     {"Left", "Shift+Left"},
     kNudges,
     [](CommandRooms& r) { nudge(r, -1, 0); }},
    {Command::NudgeRight,
     kNoLine,
     "",
     "前景画像を右へ 1 ピクセル",
     {"Right", "Shift+Right"},
     kNudges,
     [](CommandRooms& r) { nudge(r, 1, 0); }},
    {Command::NudgeUp,
     kNoLine,
     "",
     "前景画像を上へ 1 ピクセル",
     {"Up", "Shift+Up"},
     kNudges,
     [](CommandRooms& r) { nudge(r, 0, -1); }},
    {Command::NudgeDown,
     kNoLine,
     "",
     "前景画像を下へ 1 ピクセル",
     {"Down", "Shift+Down"},
     kNudges,
     [](CommandRooms& r) { nudge(r, 0, 1); }},
    // Keeping the room and showing it to others: keys alone, as desktop programs have them.
    {Command::Save,
     kNoLine,
     "",
     "配置を保存",
     {"Ctrl+S"},
     kKeeps,
     [](CommandRooms& r) { r.keeper.save(); }},
    {Command::Open,
     kNoLine,
     "",
     "配置を開く",
     {"Ctrl+O"},
     kNotDragging | kWholePixels,
     [](CommandRooms& r) { r.keeper.open(); }},
    {Command::Export,
     kNoLine,
     "",
     "PNG 画像か縮尺どおりの PDF に書き出す",
     {"Ctrl+E"},
     kKeeps,
     [](CommandRooms& r) { r.output.exportFile(); }},
    {Command::Print,
     kNoLine,
     "",
     "縮尺どおりに印刷",
     {"Ctrl+P"},
     kKeeps,
     [](CommandRooms& r) { r.output.print(); }},
    {Command::Copy,
     kNoLine,
     "",
     "配置を画像としてコピー",
     {"Ctrl+C"},
     kKeeps,
     [](CommandRooms& r) { r.output.copy(); }},
};

}  // namespace

std::span<const CommandRow> commandTable() { return kCommands; }

const CommandRow& commandRow(Command command) {
    return *std::find_if(kCommands.begin(), kCommands.end(),
                         [command](const CommandRow& row) { return row.command == command; });
}

QString shortcutList() {
    // The texts in one column, after the longest key.
    int widest = 0;
    for (const CommandRow& row : kCommands) {
        widest = std::max(widest, int(std::strlen(row.shortcuts.front())));
    }
    QString list;
    for (const CommandRow& row : kCommands) {
        list += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(row.shortcuts.front()), -widest)
                    .arg(QString::fromUtf8(row.text));
    }
    return list;
}
