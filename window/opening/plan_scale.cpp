// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_scale.h"

#include "paper_scale.h"
#include "picture_dialogs.h"
#include "room_document.h"

void PlanScale::setFromPaper() {
    const QString typed = dialogs_.askDrawingScale(&window_);
    if (typed.isEmpty()) return;
    const std::optional<int> n = drawingScaleFrom(typed);
    if (!n) {
        dialogs_.warn(&window_, QStringLiteral("「%1」は縮尺として読めません。1:50 か 50 のように、"
                                               "1 から 100000 までの整数で入力して下さい。")
                                    .arg(typed));
        return;
    }
    const PaperScale scale = paperScale(room_.background().paper, *n, decimalSeparator_);
    if (scale.mmPerTwip == 0) {
        dialogs_.warn(&window_, scale.refusal);
        return;
    }
    if (!scale.question.isEmpty() && !dialogs_.confirm(&window_, scale.question)) return;
    room_.step({QStringLiteral("縮尺 1:%1").arg(*n)}, [&] {
        room_.showTask(3);
        room_.workflow().drawingScale(*n, scale.mmPerTwip);
    });
}
