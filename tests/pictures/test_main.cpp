#include <gtest/gtest.h>

#include <QCoreApplication>

// Picture reading needs the application object only to find Qt's image plugins.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
