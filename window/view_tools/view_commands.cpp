#include "view_commands.h"

#include <algorithm>

namespace {

constexpr int kNoLine = -1;

// The view's commands, then the foreground's.
const ViewCommandRow kViewCommands[] = {
    {ViewCommand::ZoomOut, 0, "－", "縮小", {"Ctrl+-"}},
    {ViewCommand::ZoomIn, 0, "＋", "拡大", {"Ctrl++", "Ctrl+="}},
    {ViewCommand::ActualSize, 0, "1:1", "100% で表示", {"Ctrl+0"}},
    {ViewCommand::Fit, 0, "全体", "背景画像の全体を表示", {"Ctrl+9"}},
    {ViewCommand::Fainter, 1, "薄", "前景画像を薄く（透かす）", {"Ctrl+["}},
    {ViewCommand::Stronger, 1, "濃", "前景画像を濃く", {"Ctrl+]"}},
    {ViewCommand::TurnLeft, 2, "↺", "前景画像を左に 90° 回す", {"Ctrl+L"}},
    {ViewCommand::TurnRight, 2, "↻", "前景画像を右に 90° 回す", {"Ctrl+R"}},
    {ViewCommand::TurnLeftDegree, 2, "↶", "前景画像を左に 1° 回す", {"Ctrl+Shift+L"}},
    {ViewCommand::TurnRightDegree, 2, "↷", "前景画像を右に 1° 回す", {"Ctrl+Shift+R"}},
    {ViewCommand::Centre, 3, "中央", "前景画像を表示の中央へ", {"Ctrl+H"}},
    {ViewCommand::MeasureAlongLine, 3, "斜", "斜めの距離で測る", {"Ctrl+T"}},
    {ViewCommand::Measure, 3, "測", "長さを測る", {"Ctrl+M"}},
};

// The commands that change the arrangement of the pieces on the plan, or take it back.
const ViewCommandRow kArrangementCommands[] = {
    {ViewCommand::Undo, 1, "戻", "元に戻す", {"Ctrl+Z"}},
    {ViewCommand::Redo, 1, "進", "やり直す", {"Ctrl+Shift+Z", "Ctrl+Y"}},
    {ViewCommand::NextPiece, 4, "次", "次の家具", {"Ctrl+N"}},
    {ViewCommand::Remove, 4, "削", "前景画像か指した家具を取り除く", {"Del"}},
    // Shift nudges ten times as far.
    {ViewCommand::NudgeLeft, kNoLine, "", "前景画像を左へ 1 ピクセル", {"Left", "Shift+Left"}},
    {ViewCommand::NudgeRight, kNoLine, "", "前景画像を右へ 1 ピクセル", {"Right", "Shift+Right"}},
    {ViewCommand::NudgeUp, kNoLine, "", "前景画像を上へ 1 ピクセル", {"Up", "Shift+Up"}},
    {ViewCommand::NudgeDown, kNoLine, "", "前景画像を下へ 1 ピクセル", {"Down", "Shift+Down"}},
};

// Keeping the arrangement and showing it to others: keys alone, as desktop programs have them.
const ViewCommandRow kKeepingCommands[] = {
    {ViewCommand::Save, kNoLine, "", "配置を保存", {"Ctrl+S"}},
    {ViewCommand::Open, kNoLine, "", "配置を開く", {"Ctrl+O"}},
    {ViewCommand::Export, kNoLine, "", "PNG 画像か縮尺どおりの PDF に書き出す", {"Ctrl+E"}},
    {ViewCommand::Print, kNoLine, "", "縮尺どおりに印刷", {"Ctrl+P"}},
    {ViewCommand::Copy, kNoLine, "", "配置を画像としてコピー", {"Ctrl+C"}},
};

}  // namespace

std::span<const ViewCommandRow> viewCommands() {
    static const std::vector<ViewCommandRow> all = [] {
        std::vector<ViewCommandRow> rows(std::begin(kViewCommands), std::end(kViewCommands));
        rows.insert(rows.end(), std::begin(kArrangementCommands), std::end(kArrangementCommands));
        rows.insert(rows.end(), std::begin(kKeepingCommands), std::end(kKeepingCommands));
        return rows;
    }();
    return all;
}

bool isSwitch(ViewCommand command) {
    return isOneOf(command, {ViewCommand::MeasureAlongLine, ViewCommand::Measure});
}

bool isOneOf(ViewCommand command, std::initializer_list<ViewCommand> commands) {
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

bool keeps(ViewCommand command) {
    using enum ViewCommand;
    return isOneOf(command, {Save, Open, Export, Print, Copy});
}

bool movesForeground(ViewCommand command) {
    using enum ViewCommand;
    return nudges(command) ||
           isOneOf(command, {TurnLeft, TurnRight, TurnLeftDegree, TurnRightDegree, Centre});
}

bool nudges(ViewCommand command) { return !nudgeOf(command).isNull(); }

QPoint nudgeOf(ViewCommand command) {
    using enum ViewCommand;
    if (command == NudgeLeft) return {-1, 0};
    if (command == NudgeRight) return {1, 0};
    if (command == NudgeUp) return {0, -1};
    if (command == NudgeDown) return {0, 1};
    return {};
}

QString viewShortcutList() {
    QString list;
    for (const ViewCommandRow& row : viewCommands()) {
        list += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(row.shortcuts.front()), -8)
                    .arg(QString::fromUtf8(row.text));
    }
    return list;
}
