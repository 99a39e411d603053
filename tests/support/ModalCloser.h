#pragma once

// Answers modal windows (message boxes, dialogs) from a short timer while a
// test drives code that calls exec(), and records what they said.

#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <functional>

class ModalCloser {
public:
    // Each time a modal widget is active, `action` runs on it (by default it
    // is rejected or closed). Polls every few milliseconds until destroyed.
    explicit ModalCloser(std::function<void(QWidget*)> action = {});

    // Texts and icons of the message boxes answered so far, and the window
    // titles of every modal widget answered.
    QStringList Texts() const { return texts_; }
    QList<QMessageBox::Icon> Icons() const { return icons_; }
    QStringList Titles() const { return titles_; }

private:
    void Poll();
    int waited_ = 0;
    std::function<void(QWidget*)> action_;
    QStringList texts_;
    QList<QMessageBox::Icon> icons_;
    QStringList titles_;
    QTimer timer_;
};
