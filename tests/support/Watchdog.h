#pragma once

// Fails the running test when a modal window stays open unanswered, and
// closes it, so that a fault that leaves a message box up is a quick red
// instead of a stall until the test runner's timeout.

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class Watchdog {
public:
    explicit Watchdog(int seconds);

private:
    void Poll();

    int seconds_;
    QPointer<QWidget> watched_;
    QElapsedTimer since_;
    QTimer timer_;
};
