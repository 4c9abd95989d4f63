// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

// Window tests need a running application; without a display they draw offscreen, on one
// screen of 1280 x 1024 pixels, the size a user of an older desktop has.
int main(int argc, char* argv[]) {
    QTemporaryFile screens;  // read while the application starts
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"));
    if (platform == QStringLiteral("offscreen") && screens.open()) {
        screens.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1280,
            "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toUtf8());
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
