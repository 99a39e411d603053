#pragma once

// Answers modal windows (message boxes, dialogs) from a short timer while a
// test drives code that calls exec(), and records what they showed.

#include <QStringList>
#include <QTimer>
#include <functional>

class ModalCloser {
public:
    // Each time a modal widget is active, `action` runs on it (by default it
    // is rejected or closed). Polls every few milliseconds until destroyed.
    explicit ModalCloser(std::function<void(QWidget*)> action = {});

    // One line per modal widget answered so far: a message box's text, marked
    // "error: " for an error box, or else the window title.
    QStringList Shown() const { return shown_; }

private:
    void Poll();
    int waited_ = 0;
    std::function<void(QWidget*)> action_;
    QStringList shown_;
    QTimer timer_;
};
