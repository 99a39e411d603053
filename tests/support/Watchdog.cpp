// Fails the running test when a modal window stays open unanswered, and
// closes it and every further one that test opens, so that a fault that
// leaves message boxes up is a quick red instead of a stall until the test
// runner's timeout.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

void StartModalWatchdog(int seconds) {
    auto* timer = new QTimer(qApp); // lives as long as the application
    QObject::connect(timer, &QTimer::timeout, [seconds] {
        static QPointer<QWidget> watched;
        static QElapsedTimer since;
        static const testing::TestInfo* failedTest = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        if (modal != watched) {
            watched = modal;
            since.start();
        }
        const bool failed = test != nullptr && test == failedTest;
        if (modal == nullptr || (!failed && since.elapsed() < seconds * qint64{1000})) {
            return;
        }
        if (!failed) {
            ADD_FAILURE() << "a modal window stayed open for " << seconds
                          << " s: " << modal->metaObject()->className();
            failedTest = test;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        watched = nullptr;
    });
    timer->start(100);
}
