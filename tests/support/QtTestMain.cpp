// GoogleTest main for tests that create widgets or paint: one QApplication
// for the whole run, on the offscreen platform unless another one is chosen.

#include <QApplication>
#include <gtest/gtest.h>

// Fails a test that leaves a modal window unanswered (Watchdog.cpp).
void StartModalWatchdog(int seconds);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    StartModalWatchdog(10);
    return RUN_ALL_TESTS();
}
