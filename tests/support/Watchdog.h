#pragma once

// Fails the running test when a modal window stays open unanswered, and
// closes it and every further one the test opens, so that a fault that leaves
// message boxes up is a quick red instead of a stall until the test runner's
// timeout.

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace testing {
class TestInfo;
}

class Watchdog {
public:
    explicit Watchdog(int seconds);

private:
    void Poll();

    int seconds_;
    QPointer<QWidget> watched_;
    QElapsedTimer since_;
    const testing::TestInfo* failedTest_ = nullptr;
    QTimer timer_;
};
