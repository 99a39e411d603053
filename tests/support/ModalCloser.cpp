#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

ModalCloser::ModalCloser(std::function<void(QWidget*)> action) : action_(std::move(action)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
}

void ModalCloser::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        waited_ = 0;
        return;
    }
    // A modal window is answered once the platform has activated it (its
    // focus is then in place), or after half a second on platforms that
    // never activate windows.
    if (!modal->isActiveWindow() && ++waited_ < 100) {
        return;
    }
    waited_ = 0;
    const auto* box = qobject_cast<QMessageBox*>(modal);
    const QString mark = box != nullptr && box->icon() == QMessageBox::Critical ? "error: " : "";
    shown_ << (box == nullptr ? modal->windowTitle() : mark + box->text());
    if (action_) {
        action_(modal);
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}
