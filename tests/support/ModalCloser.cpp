#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QDialog>

ModalCloser::ModalCloser() : ModalCloser(nullptr) {}

ModalCloser::ModalCloser(std::function<void(QWidget*)> action)
    : action_(std::move(action)), timer_(std::make_unique<QTimer>()) {
    timer_->setInterval(5);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { Poll(); });
    timer_->start();
}

void ModalCloser::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        waited_ = 0;
        return;
    }
    // A modal window is acted on once the platform has activated it (its
    // focus is then in place), or after a grace period on platforms that
    // never activate windows.
    if (!modal->isActiveWindow() && ++waited_ < MaxPollsBeforeActivation) {
        return;
    }
    waited_ = 0;
    titles_ << modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        texts_ << box->text();
        icons_ << box->icon();
    }
    if (action_) {
        action_(modal);
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}
