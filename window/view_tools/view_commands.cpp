#include "view_commands.h"

#include <algorithm>

namespace {

const ViewCommandRow kCommands[] = {
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

}  // namespace

std::span<const ViewCommandRow> viewCommands() { return kCommands; }

bool isSwitch(ViewCommand command) {
    return isOneOf(command, {ViewCommand::MeasureAlongLine, ViewCommand::Measure});
}

bool isOneOf(ViewCommand command, std::initializer_list<ViewCommand> commands) {
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

bool movesForeground(ViewCommand command) {
    using enum ViewCommand;
    return isOneOf(command, {TurnLeft, TurnRight, TurnLeftDegree, TurnRightDegree, Centre});
}

QString viewShortcutList() {
    QString list;
    for (const ViewCommandRow& row : kCommands) {
        list += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(row.shortcuts.front()), -8)
                    .arg(QString::fromUtf8(row.text));
    }
    return list;
}
