#include "view_commands.h"

namespace {

const ViewCommandRow kCommands[] = {
    {ViewCommand::ZoomOut, "－", "縮小", {"Ctrl+-"}},
    {ViewCommand::ZoomIn, "＋", "拡大", {"Ctrl++", "Ctrl+="}},
    {ViewCommand::ActualSize, "1:1", "100% で表示", {"Ctrl+0"}},
    {ViewCommand::Fit, "全体", "背景画像の全体を表示", {"Ctrl+9"}},
    {ViewCommand::Fainter, "薄", "前景画像を薄く（透かす）", {"Ctrl+["}},
    {ViewCommand::Stronger, "濃", "前景画像を濃く", {"Ctrl+]"}},
    {ViewCommand::TurnLeft, "↺", "前景画像を左に 90° 回す", {"Ctrl+L"}},
    {ViewCommand::TurnRight, "↻", "前景画像を右に 90° 回す", {"Ctrl+R"}},
    {ViewCommand::Centre, "中央", "前景画像を表示の中央へ", {"Ctrl+H"}},
};

}  // namespace

std::span<const ViewCommandRow> viewCommands() { return kCommands; }

QString viewShortcutList() {
    QString list;
    for (const ViewCommandRow& row : kCommands) {
        list += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(row.shortcuts.front()), -8)
                    .arg(QString::fromUtf8(row.text));
    }
    return list;
}
