// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "x_session.h"

// The window on a real X server under a window manager, driven through the server.
int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    XSession session;
    if (!session.isUp()) {
        std::fprintf(stderr, "Xvfb and openbox are needed (scripts/install-deps installs them)\n");
        return 1;
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
