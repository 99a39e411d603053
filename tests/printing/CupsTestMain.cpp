// Test main of the end-to-end print tests: points the print system at the
// private scheduler before anything prints, then runs the tests with a
// QApplication on the offscreen platform.

#include "tests/printing/CupsHarness.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    CupsHarness::Connect();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
