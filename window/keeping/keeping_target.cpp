// SPDX-License-Identifier: GPL-3.0-or-later
#include "keeping_target.h"

#include "room_document.h"
#include "shown_names.h"
#include "whole_file.h"

QString chooseTarget(QWidget& window, KeepingDialogs& dialogs, KeepingDialogs::Saving kind,
                     QString suggested, const RoomDocument& room,
                     const std::function<TargetName(const QString& chosen)>& named) {
    for (;;) {
        const QString chosen = dialogs.chooseFileToSave(&window, kind, suggested);
        if (chosen.isEmpty()) return {};
        TargetName target = named(chosen);
        for (const QString& picture : room.picturesInUse()) {
            if (target.refusal.isEmpty() && isSameFile(target.path, picture)) {
                target.refusal =
                    QStringLiteral(
                        "%1 は配置で使っている画像です。上書きすると画像が失われるため、"
                        "別の名前を選んでください。")
                        .arg(shownName(target.path));
            }
        }
        if (target.refusal.isEmpty()) return target.path;
        dialogs.report(&window, target.refusal);
        suggested = chosen;
    }
}
