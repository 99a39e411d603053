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
    connect(this, &QShortcut::activated, this, &TCommandShortcut::Activate);
}

bool TCommandShortcut::eventFilter(QObject* watched, QEvent* event) {
    if (watched == button_ && event->type() == QEvent::EnabledChange) {
        setEnabled(button_->isEnabled());
    }
    return QShortcut::eventFilter(watched, event);
}

void TCommandShortcut::Activate() {
    // The button decides: a click on a disabled button does nothing.
    if (button_ != nullptr && button_->isEnabled()) {
        button_->click();
    }
}
