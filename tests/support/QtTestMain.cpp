// GoogleTest main for tests that create widgets or paint: one QApplication
// for the whole run, on the offscreen platform unless another one is chosen.
// --scale=<factor> gives the screen that device-pixel ratio, as on a high
// density display.

#include <QApplication>
#include <gtest/gtest.h>
#include <string_view>

// Fails a test that leaves a modal window unanswered (Watchdog.cpp).
void StartModalWatchdog(int seconds);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--scale=")) {
            qputenv("QT_SCALE_FACTOR", QByteArray(argument.substr(8).data()));
        }
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    StartModalWatchdog(10);
    return RUN_ALL_TESTS();
}
