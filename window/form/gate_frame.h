// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPointer>
#include <utility>
#include <vector>

// A frame whose "enabled" state gates everything inside it: while closed, nothing inside takes
// mouse input, keyboard input or the focus, yet every control keeps its own enabled state and
// its look (Qt's own disabling would grey them and forget nothing, but look disabled).
class GateFrame : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool gateOpen READ isGateOpen WRITE setGateOpen)
public:
    explicit GateFrame(QWidget* parent);

    bool isGateOpen() const { return open_; }
    void setGateOpen(bool open);

private:
    bool open_ = true;
    std::vector<std::pair<QPointer<QWidget>, Qt::FocusPolicy>> savedFocus_;
};
