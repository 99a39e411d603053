#include "mainwindow/CommandShortcut.h"

#include <QAbstractButton>
#include <QEvent>

TCommandShortcut::TCommandShortcut(const QKeySequence& key, QAbstractButton* button,
                                   QWidget* window)
    : QShortcut(key, window), button_(button) {
    setContext(Qt::WindowShortcut);
    setAutoRepeat(false);
    setEnabled(button->isEnabled());
    button->installEventFilter(this);
    // Assistive technology announces the key with the button.
    button->setAccessibleDescription(key.toString(QKeySequence::NativeText));
    connect(this, &QShortcut::activated, this, &TCommandShortcut::Activate);
}

bool TCommandShortcut::eventFilter(QObject* watched, QEvent* event) {
    // Only the button is watched. Events also arrive while it is being
    // destroyed, when it is no button any more: qobject_cast then says so.
    if (event->type() == QEvent::EnabledChange) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(watched)) {
            setEnabled(button->isEnabled());
        }
    }
    return QShortcut::eventFilter(watched, event);
}

void TCommandShortcut::Activate() {
    // The button decides: a click on a disabled button does nothing.
    if (button_ != nullptr && button_->isEnabled()) {
        button_->click();
    }
}
