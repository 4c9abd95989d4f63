// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QProcess>

// A virtual display with a small window manager, as on a desktop, for the life of the tests.
class XSession {
public:
    XSession();  // sets DISPLAY for the application that follows
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool isUp() const { return up_; }
    // The window manager stopped, as one busy elsewhere is, or going on again: what it has not
    // done for a window (framing, placing) it does once it goes on.
    static void holdWindowManager(bool held);

private:
    static bool windowManagerIsReady();

    QProcess server_;
    QProcess windowManager_;
    bool up_ = false;
    static XSession* running_;
};

// Input through the X server's test extension, as xdotool gives it: the server routes it as
// it routes a real mouse and keyboard, and Qt reads it from the server.
class XInput {
public:
    XInput();
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    void moveTo(QPoint screen);
    void press(int button = 1);
    void release(int button = 1);
    void doubleClick(int button = 1);
    // Keys by their X names ("Return", "h", "Control_L"), pressed in order, released in reverse.
    void keys(std::initializer_list<const char*> names);
    // Wheel steps away from the user (positive) or towards, with Ctrl held if asked.
    void wheel(int steps, bool withCtrl);
    // Where the server has the window's top-left corner on the screen now: where a press lands.
    QPoint originOf(unsigned long window);

private:
    void key(const char* name, bool down);
    void flush();

    struct _XDisplay* display_;
};
