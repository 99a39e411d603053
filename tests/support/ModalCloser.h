#pragma once

// Closes modal windows (message boxes, dialogs) from a short timer while a
// test drives code that calls exec(), and records what they said.

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class ModalCloser {
public:
    // Each time a modal widget is active, `action` runs on it (default: record
    // its text and reject it). Polls every few milliseconds until destroyed.
    ModalCloser();
    explicit ModalCloser(std::function<void(QWidget*)> action);
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;

    // Texts and icons of the message boxes closed so far, and the window
    // titles of every modal widget closed.
    QStringList Texts() const { return texts_; }
    QList<QMessageBox::Icon> Icons() const { return icons_; }
    QStringList Titles() const { return titles_; }
    int Count() const { return titles_.size(); }

private:
    void Poll();
    static constexpr int MaxPollsBeforeActivation = 100;
    int waited_ = 0;
    std::function<void(QWidget*)> action_;
    QStringList texts_;
    QList<QMessageBox::Icon> icons_;
    QStringList titles_;
    std::unique_ptr<QTimer> timer_;
};
