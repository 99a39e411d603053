#include "mainwindow/ScoreEdit.h"

#include "mainwindow/ScoreRules.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>

TScoreEdit::TScoreEdit(QWidget* parent) : QLineEdit(ScoreRules::kBlank, parent) {
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
    // Everything that could leave the edit truly empty goes through
    // keyPressEvent instead: no drag and drop, no context menu, no input
    // method composing.
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool TScoreEdit::Accepts(QChar c) const {
    return c.isLetterOrNumber();
}

void TScoreEdit::Replace(const QString& text) {
    if (!isReadOnly()) {
        setText(text);
    }
}

void TScoreEdit::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    if (held == Qt::NoModifier && event->key() == Qt::Key_Up) {
        emit upKey();
        return;
    }
    if (held == Qt::NoModifier && event->key() == Qt::Key_Down) {
        emit downKey();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        const QString pasted = QApplication::clipboard()->text();
        if (!pasted.isEmpty() && Accepts(pasted.front())) {
            Replace(pasted.left(1));
        }
        return;
    }
    if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Delete) ||
        event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        Replace(ScoreRules::kBlank);
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
        event->matches(QKeySequence::DeleteEndOfWord) ||
        event->matches(QKeySequence::DeleteStartOfWord) ||
        event->matches(QKeySequence::DeleteEndOfLine) ||
        event->matches(QKeySequence::DeleteCompleteLine)) {
        return;
    }
    // A character that comes with Ctrl belongs to a shortcut, one with Alt
    // (or Meta) to a mnemonic or a desktop command, not to the score,
    // whatever text the platform attaches; Shift may come along with either.
    // Ctrl and Alt together stay typing: some keyboards send AltGr that way.
    const Qt::KeyboardModifiers command = held & ~Qt::ShiftModifier;
    if (command == Qt::ControlModifier) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (command == Qt::AltModifier || command == Qt::MetaModifier) {
        event->ignore();
        return;
    }
    // Typed text is a score only when it is one letter or digit. Anything
    // else that is not a control key is swallowed whole: a character beyond
    // the basic plane (an emoji) comes as two code units, and the length
    // limit would otherwise keep half of it.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().category() != QChar::Other_Control) {
        if (typed.size() == 1 && Accepts(typed.front())) {
            Replace(typed);
        }
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TScoreEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit exited();
    }
}
