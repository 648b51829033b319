#include <QCoreApplication>
#include <gtest/gtest.h>

// Engine tests need an event loop for QProcess and timers, but never a window.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
