// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiet_session.h"

#include <QtGlobal>

QuietSession::QuietSession() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
#ifdef Q_OS_UNIX
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime_ = std::make_unique<QTemporaryDir>();
        if (runtime_->isValid()) qputenv("XDG_RUNTIME_DIR", runtime_->path().toLocal8Bit());
    }
#endif
}

// Qt looks into the runtime folder only while it starts; nothing of the program's lives there.
void QuietSession::applicationStarted() {
    if (!runtime_) return;
    runtime_.reset();
    qunsetenv("XDG_RUNTIME_DIR");
}
