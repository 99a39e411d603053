#pragma once

// The help window: a short guide to entering scores and reading the chart in
// a read-only, scrolling text box. Created once, shown modally, hidden again
// by OK.

#include <QDialog>
#include <QStringList>

class QFrame;
class QPlainTextEdit;
class QPushButton;

class THelpBox1 : public QDialog {
    Q_OBJECT

public:
    explicit THelpBox1(QWidget* parent = nullptr);

    // The guide, one entry per line of the text box, with its leading and
    // trailing blanks.
    static QStringList HelpLines();

    QFrame* Panel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKButton = nullptr;

public slots:
    void setVisible(bool visible) override;
};
