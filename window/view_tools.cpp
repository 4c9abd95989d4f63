#include "view_tools.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <vector>

namespace {

struct CommandRow {
    ViewCommand command;
    const char* button;  // as shown on the bar
    const char* text;    // the tooltip and the spoken name
    std::vector<const char*> shortcuts;
};

// The bar from left to right; a level label follows the commands it belongs to.
const CommandRow kCommands[] = {
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

QString percent(double level) { return QString::number(qRound(level * 1000) / 10.0) + u'%'; }

}  // namespace

QString ViewTools::shortcutList() {
    QString list;
    for (const CommandRow& row : kCommands) {
        list += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(row.shortcuts.front()), -8)
                    .arg(QString::fromUtf8(row.text));
    }
    return list;
}

ViewTools::ViewTools(QWidget& window, QAbstractScrollArea& view) : QFrame(&view), view_(view) {
    setObjectName(QStringLiteral("ViewTools"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    zoomLevel_ = new QLabel(this);
    opacityLevel_ = new QLabel(this);
    for (const CommandRow& row : kCommands) {
        const QString text = QString::fromUtf8(row.text);
        auto* action = new QAction(QString::fromUtf8(row.button), this);
        QList<QKeySequence> keys;
        for (const char* key : row.shortcuts) keys << QKeySequence(QString::fromLatin1(key));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1（%2）").arg(text, keys.front().toString()));
        connect(action, &QAction::triggered, this, [this, command = row.command] {
            emit triggered(command);
        });
        window.addAction(action);  // the shortcuts work while the bar is hidden
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        button->setAccessibleName(text);
        layout->addWidget(button);
        if (row.command == ViewCommand::ZoomIn) layout->addWidget(zoomLevel_);
        if (row.command == ViewCommand::Stronger) layout->addWidget(opacityLevel_);
    }
    zoomLevel_->setAccessibleName(QStringLiteral("表示倍率"));
    opacityLevel_->setAccessibleName(QStringLiteral("前景画像の濃さ"));
    showLevels(1.0, 1.0);
    hide();
    view.installEventFilter(this);
}

void ViewTools::showLevels(double zoom, double opacity) {
    zoomLevel_->setText(percent(zoom));
    opacityLevel_->setText(percent(opacity));
    adjustSize();
    placeInCorner();
}

void ViewTools::placeInCorner() {
    const QRect seen = view_.viewport()->geometry();
    move(seen.right() + 1 - width() - 4, seen.top() + 4);
}

bool ViewTools::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_) {
        if (event->type() == QEvent::Enter) {
            placeInCorner();
            show();
            raise();
        } else if (event->type() == QEvent::Leave) {
            hide();
        } else if (event->type() == QEvent::Resize) {
            placeInCorner();
        }
    }
    return QFrame::eventFilter(watched, event);
}
