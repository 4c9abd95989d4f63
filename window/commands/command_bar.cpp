// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_bar.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString percent(double level) { return QString::number(qRound(level * 1000) / 10.0) + u'%'; }

// A screen reader says what the value is, then the value.
void showValue(QLabel* label, const char* spokenName, const QString& value) {
    label->setText(value);
    label->setAccessibleName(QString::fromUtf8(spokenName) + u' ' + value);
}

// How long the pointer rests in the corner before the bar comes, and how often it is looked at.
constexpr int kRestMilliseconds = 400;
constexpr int kLookEveryMilliseconds = 50;
constexpr int kMarginPixels = 4;
// From this line on, the lines are the foreground's.
constexpr int kFirstForegroundLine = 2;

}  // namespace

CommandBar::CommandBar(QWidget& window, QAbstractScrollArea& view, std::function<bool()> mayShow)
    : QFrame(&window), view_(view), mayShow_(std::move(mayShow)) {
    setObjectName(QStringLiteral("CommandBar"));
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    auto* lines = new QVBoxLayout(this);
    lines->setContentsMargins(2, 2, 2, 2);
    lines->setSpacing(1);
    zoomLevel_ = new QLabel(this);
    opacityLevel_ = new QLabel(this);
    angle_ = new QLabel(this);
    size_ = new QLabel(this);
    for (const CommandRow& row : commandTable()) {
        const QString text = QString::fromUtf8(row.text);
        auto* action = new QAction(QString::fromUtf8(row.button), this);
        action->setCheckable(row.isOn != nullptr);
        actions_[row.command] = action;
        QList<QKeySequence> keys;
        for (const char* key : row.shortcuts) keys << QKeySequence(QString::fromLatin1(key));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1（%2）").arg(text, keys.front().toString()));
        connect(action, &QAction::triggered, this,
                [this, command = row.command] { emit triggered(command); });
        window.addAction(action);  // the shortcuts work while the bar is hidden
        if (row.line < 0) continue;
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        button->setAccessibleName(text);
        QLayout* line = addLine(row.line)->layout();
        line->addWidget(button);
        if (row.command == Command::ZoomIn) line->addWidget(zoomLevel_);
        if (row.command == Command::Stronger) line->addWidget(opacityLevel_);
        if (row.command == Command::TurnRightDegree) line->addWidget(angle_);
    }
    addLine(int(lines_.size()))->layout()->addWidget(size_);
    for (auto& [number, line] : lines_) {
        static_cast<QHBoxLayout*>(line->layout())->addStretch();
        lines->addWidget(line);
    }
    showLevels(1.0, 1.0);
    showForeground(false, 0, {});
    watching_.setInterval(kLookEveryMilliseconds);
    connect(&watching_, &QTimer::timeout, this, &CommandBar::watchPointer);
    hide();
    view.installEventFilter(this);
}

QWidget* CommandBar::addLine(int line) {
    QWidget*& widget = lines_[line];
    if (!widget) {
        widget = new QWidget(this);
        auto* layout = new QHBoxLayout(widget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(1);
    }
    return widget;
}

void CommandBar::showLevels(double zoom, double opacity) {
    showValue(zoomLevel_, "表示倍率", percent(zoom));
    showValue(opacityLevel_, "前景画像の濃さ", percent(opacity));
    if (isVisible()) placeInCorner();
}

// Texts set while hidden are measured only now.
void CommandBar::placeInCorner() {
    layout()->activate();
    setGeometry(cornerPlace());
}

void CommandBar::showForeground(bool shown, int degrees, const QString& size) {
    const QString angle = QStringLiteral("%1°").arg(degrees);
    const bool wasShown = !lines_.at(kFirstForegroundLine)->isHidden();
    if (shown == wasShown && angle == angle_->text() && size == size_->text()) {
        return;  // told after every event
    }
    for (auto& [number, line] : lines_) {
        if (number >= kFirstForegroundLine) line->setVisible(shown);
    }
    showValue(angle_, "前景画像の角度", angle);
    showValue(size_, "前景画像の実寸", size);
    size_->setVisible(!size.isEmpty());
    if (isVisible()) placeInCorner();
}

// In the window, over the view: a child of the view would be out of a screen reader's reach.
QRect CommandBar::cornerPlace() const {
    const QRect seen(view_.viewport()->mapTo(parentWidget(), QPoint(0, 0)),
                     view_.viewport()->size());
    const QSize size = sizeHint();
    return QRect(QPoint(std::max(seen.left(), seen.right() + 1 - size.width() - kMarginPixels),
                        seen.top() + kMarginPixels),
                 size);
}

void CommandBar::followWorkflow() {
    if (!mayShow_()) {
        restedMilliseconds_ = 0;
        hide();
    }
}

// A press or a pointer on its way elsewhere starts the rest anew; a bar the pointer has left,
// or that may not show, goes.
void CommandBar::watchPointer() {
    const QPoint pointer = parentWidget()->mapFromGlobal(QCursor::pos());
    const bool overView =
        QRect(view_.mapTo(parentWidget(), QPoint(0, 0)), view_.size()).contains(pointer);
    const bool inCorner = overView && cornerPlace().contains(pointer);
    if (!inCorner || !mayShow_() || QGuiApplication::mouseButtons() != Qt::NoButton) {
        restedMilliseconds_ = 0;
        if (!inCorner || !mayShow_()) hide();
        if (!overView) watching_.stop();
        return;
    }
    restedMilliseconds_ += kLookEveryMilliseconds;
    if (restedMilliseconds_ >= kRestMilliseconds && isHidden()) {
        placeInCorner();
        show();
        raise();
    }
}

bool CommandBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::Enter) watching_.start();
    return QFrame::eventFilter(watched, event);
}
