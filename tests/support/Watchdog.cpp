// Fails the running test when a modal window stays open unanswered, and
// closes it and every further one that test opens, so that a fault that
// leaves message boxes up is a quick red instead of a stall until the test
// runner's timeout.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

void StartModalWatchdog(int seconds) {
    struct State {
        QPointer<QWidget> watched;
        QElapsedTimer since;
        const testing::TestInfo* failedTest = nullptr;
    };
    auto* timer = new QTimer(qApp); // lives as long as the application
    QObject::connect(timer, &QTimer::timeout, [seconds, state = std::make_shared<State>()] {
        QWidget* modal = QApplication::activeModalWidget();
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        if (modal != state->watched) {
            state->watched = modal;
            state->since.start();
        }
        const bool failed = test != nullptr && test == state->failedTest;
        if (modal == nullptr || (!failed && state->since.elapsed() < seconds * 1000)) {
            return;
        }
        if (!failed) {
            const auto* box = qobject_cast<QMessageBox*>(modal);
            ADD_FAILURE() << "a modal window stayed open for " << seconds << " s: \""
                          << modal->windowTitle().toStdString() << "\" "
                          << (box != nullptr ? box->text().toStdString() : std::string());
            state->failedTest = test;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->done(QDialog::Rejected);
        } else {
            modal->close();
        }
        state->watched = nullptr;
    });
    timer->start(100);
}
