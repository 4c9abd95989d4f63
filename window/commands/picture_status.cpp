// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_status.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QEvent>
#include <QStringList>

namespace {
constexpr int kMarginPixels = 4;
}  // namespace

PictureStatus::PictureStatus(QWidget& window, QAbstractScrollArea& view)
    : QLabel(&window), view_(view) {
    setObjectName(QStringLiteral("PictureStatus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral(
        "background: #fff4c2; color: black; border: 1px solid #b08800; padding: 2px 5px;"));
    hide();
    forgetting_.setSingleShot(true);
    forgetting_.setInterval(kToldMilliseconds);
    connect(&forgetting_, &QTimer::timeout, this, [this] {
        done_.clear();
        showWhatIsSaid();
    });
    view.installEventFilter(this);
}

void PictureStatus::followModes(bool alongTheLine, bool measuring) {
    QStringList modes;
    if (measuring) modes << QStringLiteral("長さを測っています：ドラッグで測ります（Esc で終わる）");
    if (alongTheLine) modes << QStringLiteral("斜めの距離で測ります（Ctrl+T で水平に戻す）");
    const QString now = modes.join(u'\n');
    if (now == modes_) return;
    modes_ = now;
    showWhatIsSaid();
}

void PictureStatus::tell(const QString& done) {
    done_ = done;
    forgetting_.start();
    showWhatIsSaid();
}

void PictureStatus::showWhatIsSaid() {
    QStringList lines;
    if (!modes_.isEmpty()) lines << modes_;
    if (!done_.isEmpty()) lines << done_;
    const QString shown = lines.join(u'\n');
    setText(shown);
    setAccessibleName(shown);
    setVisible(!shown.isEmpty());
    if (shown.isEmpty()) return;
    adjustSize();
    place();
    raise();
    QAccessibleEvent told(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&told);
}

// In the window, over the view: a child of the view would be out of a screen reader's reach.
void PictureStatus::place() {
    const QWidget* seen = view_.viewport();
    const QPoint corner = seen->mapTo(parentWidget(), QPoint(0, seen->height()));
    move(corner + QPoint(kMarginPixels, -height() - kMarginPixels));
}

bool PictureStatus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::Resize && isVisible()) place();
    return QLabel::eventFilter(watched, event);
}
