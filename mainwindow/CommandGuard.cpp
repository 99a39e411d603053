#include "mainwindow/CommandGuard.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace CommandGuard {

QString ErrorText(const QString& message) {
    if (message.endsWith(QLatin1Char('.'))) {
        return message;
    }
    return message + QLatin1Char('.');
}

bool Run(QWidget* parent, const std::function<void()>& command) {
    QString failure;
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    // Any busy cursor a command set is taken down before the box appears.
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
    QMessageBox::critical(parent, QApplication::applicationName(), ErrorText(failure));
    return false;
}

} // namespace CommandGuard
