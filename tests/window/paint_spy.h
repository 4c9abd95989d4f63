// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

// Calls back whenever the widget it watches is painted.
class PaintSpy : public QObject {
public:
    PaintSpy(QObject* parent, std::function<void()> painted)
        : QObject(parent), painted_(std::move(painted)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_();
        return false;
    }

private:
    std::function<void()> painted_;
};
