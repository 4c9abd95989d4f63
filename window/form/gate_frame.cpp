// SPDX-License-Identifier: GPL-3.0-or-later
#include "gate_frame.h"

#include <QApplication>

GateFrame::GateFrame(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void GateFrame::setGateOpen(bool open) {
    if (open == open_) return;
    open_ = open;
    // Mouse input passes through the frame and everything in it to the container behind.
    setAttribute(Qt::WA_TransparentForMouseEvents, !open);

    if (!open) {
        for (QWidget* child : findChildren<QWidget*>()) {
            if (child->focusPolicy() == Qt::NoFocus) continue;
            savedFocus_.emplace_back(child, child->focusPolicy());
            child->setFocusPolicy(Qt::NoFocus);
        }
        // Keyboard input goes to the focus; it must not stay inside.
        if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus)) {
            focus->clearFocus();
        }
        return;
    }
    for (const auto& [child, policy] : savedFocus_) {
        if (child) child->setFocusPolicy(policy);
    }
    savedFocus_.clear();
}
