#include "tests/support/Watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

Watchdog::Watchdog(int seconds) : seconds_(seconds) {
    timer_.setInterval(100);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

void Watchdog::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (modal != watched_) {
        watched_ = modal;
        since_.start();
    }
    const bool failed = test != nullptr && test == failedTest_;
    if (modal == nullptr || (!failed && since_.elapsed() < seconds_ * 1000)) {
        return;
    }
    if (!failed) {
        const auto* box = qobject_cast<QMessageBox*>(modal);
        ADD_FAILURE() << "a modal window stayed open for " << seconds_
                      << " s: " << modal->metaObject()->className() << " \""
                      << modal->windowTitle().toStdString() << "\" "
                      << (box != nullptr ? box->text().toStdString() : std::string());
        failedTest_ = test;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->done(QDialog::Rejected);
    } else {
        modal->close();
    }
    watched_ = nullptr;
}
