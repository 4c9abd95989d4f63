// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_session.h"

#include <QThread>
#include <signal.h>

// Last: Xlib's macros would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XSession* XSession::running_ = nullptr;

void XSession::holdWindowManager(bool held) {
    if (running_) ::kill(pid_t(running_->windowManager_.processId()), held ? SIGSTOP : SIGCONT);
}

XSession::XSession() {
    running_ = this;
    // The server picks a free display itself and tells which: test processes run side by side.
    server_.start(QStringLiteral("Xvfb"),
                  {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (!server_.waitForStarted(5000)) return;
    QByteArray number;
    while (!number.endsWith('\n') && server_.waitForReadyRead(20000)) {
        number += server_.readAllStandardOutput();
    }
    if (number.trimmed().isEmpty()) return;
    const QString display = u':' + QString::fromLatin1(number.trimmed());
    qputenv("DISPLAY", display.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    windowManager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!windowManager_.waitForStarted(5000)) return;
    up_ = windowManagerIsReady();
}

// A window shown before the window manager manages the screen is never framed nor activated.
bool XSession::windowManagerIsReady() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    bool ready = false;
    for (int i = 0; i < 400 && !ready; ++i) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType,
                           &type, &format, &items, &after, &data);
        ready = items > 0;
        if (data) XFree(data);
        if (!ready) QThread::msleep(25);
    }
    XCloseDisplay(display);
    return ready;
}

XSession::~XSession() {
    for (QProcess* process : {&windowManager_, &server_}) {
        process->terminate();
        if (!process->waitForFinished(3000)) process->kill();
    }
}

XInput::XInput() : display_(XOpenDisplay(nullptr)) {}

XInput::~XInput() {
    if (display_) XCloseDisplay(display_);
}

void XInput::flush() { XFlush(display_); }

void XInput::moveTo(QPoint screen) {
    XTestFakeMotionEvent(display_, -1, screen.x(), screen.y(), CurrentTime);
    flush();
}

QPoint XInput::originOf(unsigned long window) {
    int x = 0;
    int y = 0;
    ::Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y};
}

void XInput::press(int button) {
    XTestFakeButtonEvent(display_, unsigned(button), True, CurrentTime);
    flush();
}

void XInput::release(int button) {
    XTestFakeButtonEvent(display_, unsigned(button), False, CurrentTime);
    flush();
}

// All four at once: however busy the machine, the server stamps them within the system's
// double-click time, as a hand gives them.
void XInput::doubleClick(int button) {
    for (const bool down : {true, false, true, false}) {
        XTestFakeButtonEvent(display_, unsigned(button), down ? True : False, CurrentTime);
    }
    flush();
}

void XInput::key(const char* name, bool down) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(name));
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
}

void XInput::keys(std::initializer_list<const char*> names) {
    for (const char* name : names) key(name, true);
    for (auto it = std::rbegin(names); it != std::rend(names); ++it) key(*it, false);
    flush();
}

void XInput::wheel(int steps, bool withCtrl) {
    if (withCtrl) key("Control_L", true);
    for (int i = 0; i < std::abs(steps); ++i) {
        const unsigned button = steps > 0 ? 4 : 5;
        XTestFakeButtonEvent(display_, button, True, CurrentTime);
        XTestFakeButtonEvent(display_, button, False, CurrentTime);
    }
    if (withCtrl) key("Control_L", false);
    flush();
}
