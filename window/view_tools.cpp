#include "view_tools.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString percent(double level) { return QString::number(qRound(level * 1000) / 10.0) + u'%'; }

}  // namespace

ViewTools::ViewTools(QWidget& window, QAbstractScrollArea& view, std::function<bool()> mayShow)
    : QFrame(&view), view_(view), mayShow_(std::move(mayShow)) {
    setObjectName(QStringLiteral("ViewTools"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->setSpacing(1);
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    rows->addLayout(layout);
    foregroundRow_ = new QWidget(this);
    zoomLevel_ = new QLabel(this);
    opacityLevel_ = new QLabel(this);
    angle_ = new QLabel(this);
    size_ = new QLabel(this);
    for (const ViewCommandRow& row : viewCommands()) {
        if (movesForeground(row.command) && layout == rows->itemAt(0)->layout()) {
            layout->addStretch();
            layout = new QHBoxLayout(foregroundRow_);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSpacing(1);
            rows->addWidget(foregroundRow_);
        }
        const QString text = QString::fromUtf8(row.text);
        auto* action = new QAction(QString::fromUtf8(row.button), this);
        action->setCheckable(isSwitch(row.command));
        actions_[row.command] = action;
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
        if (row.command == ViewCommand::TurnRightDegree) layout->addWidget(angle_);
    }
    layout->addWidget(size_);
    layout->addStretch();
    zoomLevel_->setAccessibleName(QStringLiteral("表示倍率"));
    opacityLevel_->setAccessibleName(QStringLiteral("前景画像の濃さ"));
    angle_->setAccessibleName(QStringLiteral("前景画像の角度"));
    size_->setAccessibleName(QStringLiteral("前景画像の実寸"));
    showLevels(1.0, 1.0);
    foregroundRow_->hide();
    hide();
    view.installEventFilter(this);
}

void ViewTools::showLevels(double zoom, double opacity) {
    zoomLevel_->setText(percent(zoom));
    opacityLevel_->setText(percent(opacity));
    adjustSize();
    placeInCorner();
}

void ViewTools::showForeground(bool shown, int degrees, const QString& size) {
    const QString angle = QStringLiteral("%1°").arg(degrees);
    if (shown == !foregroundRow_->isHidden() && angle == angle_->text() && size == size_->text()) {
        return;  // told after every move
    }
    foregroundRow_->setVisible(shown);
    angle_->setText(angle);
    size_->setText(size);
    size_->setVisible(!size.isEmpty());
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
            show();
            // Texts set while hidden are measured only now.
            layout()->activate();
            adjustSize();
            placeInCorner();
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
