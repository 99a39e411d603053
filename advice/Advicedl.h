#pragma once

// The window that shows the "Preliminary interpretation and proposed
// measures". Its read-only memo is also where the last assembled advice is
// kept: the advice command and the print command replace its lines, and the
// advice printout reads them back.

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;
class QShowEvent;

class TAdvice : public QDialog {
    Q_OBJECT

public:
    explicit TAdvice(QWidget* parent = nullptr);

    // The advice lines, one entry per line as it was set: a line the memo
    // wraps for display still counts as one, a line break inside an entry
    // starts a new line. An empty memo has no lines.
    QStringList Lines() const;
    void SetLines(const QStringList& lines);

    QPlainTextEdit* MemoAdvice;
    QPushButton* OKBtn;

protected:
    void showEvent(QShowEvent* event) override;
};
