#pragma once

// A one-character score edit. Its empty state is the blank " ", never an
// empty text; a typed character replaces the one shown (like a one-position
// masked edit), and only letters and digits get in. Every change of the text,
// typed or set by the program, reaches textChanged exactly once. The Up and
// Down arrow keys ask for a step, as the spin arrows beside the edit do, so a
// score can be set from the keyboard even in a read-only edit.

#include <QLineEdit>

class TScoreEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TScoreEdit(QWidget* parent = nullptr);

signals:
    // The keyboard focus moved to another control of the same window. Focus
    // lost because another window (a message box, a menu) became active does
    // not count: the edit is still the window's current control.
    void exited();
    // The Up or Down arrow key was pressed in the edit.
    void upKey();
    void downKey();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Replace(const QString& text);
    bool Accepts(QChar c) const;
};
