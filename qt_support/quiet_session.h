// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <memory>

// Keeps the program from leaving anything behind in the user's session. Where no session bus
// runs, Qt would start one of its own, which outlives the program; where no runtime folder is
// named, Qt makes one under the temporary folder and leaves it. Make one of these before the
// application object, and call `applicationStarted` once it exists.
class QuietSession {
public:
    QuietSession();
    void applicationStarted();

private:
    std::unique_ptr<QTemporaryDir> runtime_;  // lent to Qt while it starts, then removed
};
