#include "view_tools.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

QString percent(double level) { return QString::number(qRound(level * 1000) / 10.0) + u'%'; }

}  // namespace

ViewTools::ViewTools(QWidget& window, QAbstractScrollArea& view, std::function<bool()> mayShow)
    : QFrame(&view), view_(view), mayShow_(std::move(mayShow)) {
    setObjectName(QStringLiteral("ViewTools"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    zoomLevel_ = new QLabel(this);
    opacityLevel_ = new QLabel(this);
    for (const ViewCommandRow& row : viewCommands()) {
        const QString text = QString::fromUtf8(row.text);
        auto* action = new QAction(QString::fromUtf8(row.button), this);
        QList<QKeySequence> keys;
        for (const char* key : row.shortcuts) keys << QKeySequence(QString::fromLatin1(key));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1（%2）").arg(text, keys.front().toString()));
        connect(action, &QAction::triggered, this,
                [this, command = row.command] { emit triggered(command); });
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
        if (event->type() == QEvent::Enter && mayShow_()) {
            placeInCorner();
            show();
            raise();
        } else if (event->type() == QEvent::Enter) {
            hide();
        } else if (event->type() == QEvent::Leave) {
            hide();
        } else if (event->type() == QEvent::Resize) {
            placeInCorner();
        }
    }
    return QFrame::eventFilter(watched, event);
}
