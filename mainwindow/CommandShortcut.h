#pragma once

// A keyboard shortcut for a toolbar command. Pressing it clicks the command's
// button, so the command runs exactly as from the mouse, and it is switched
// on and off together with the button: a greyed command cannot be reached
// from the keyboard either. The button's accessible description names the key.

#include <QAbstractButton>
#include <QPointer>
#include <QShortcut>

class TCommandShortcut : public QShortcut {
    Q_OBJECT

public:
    // Active while `window` is the active window.
    TCommandShortcut(const QKeySequence& key, QAbstractButton* button, QWidget* window);

    QAbstractButton* Button() const { return button_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Activate();

    QPointer<QAbstractButton> button_;
};
