// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

class QAbstractScrollArea;

// While `wanted` holds, a pointer held in the band along an edge of the view scrolls it that
// way, slowly at the band's inner side and faster towards the edge; with a button held (a drag,
// which keeps the pointer) also past the edge, faster the further out. After each step
// `scrolledUnderPointer` tells where the pointer really is on the screen.
class EdgeAutoScroll : public QObject {
    Q_OBJECT
public:
    EdgeAutoScroll(QAbstractScrollArea& view, std::function<bool()> wanted);
    ~EdgeAutoScroll() override;
    EdgeAutoScroll(const EdgeAutoScroll&) = delete;
    EdgeAutoScroll& operator=(const EdgeAutoScroll&) = delete;

signals:
    void scrolledUnderPointer(QPoint globalPointer);

protected:
    // Watches the pointer wherever it goes over the view's window, not only over the picture.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint push() const;
    void step();

    QAbstractScrollArea& view_;
    std::function<bool()> wanted_;
    QPoint pointer_;  // global
    bool pointerInWindow_ = false;
    QTimer timer_;
};
