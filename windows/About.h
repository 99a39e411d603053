#pragma once

// The about window: program name and version, the purpose of the program as
// an educational aid, credits, and where to find the conditions of use and
// whom to write to. Created once, shown modally, hidden again by OK.

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Edit1 = nullptr; // web address of the conditions of use
    QLabel* Label1 = nullptr;   // first half of the purpose paragraph
    QLabel* Label2 = nullptr;   // second half
    QLabel* Comments = nullptr; // programming credit
    QLabel* Label4 = nullptr;   // manual credit
    QLabel* Label3 = nullptr;
    QLineEdit* Edit2 = nullptr; // contact e-mail address
    QPushButton* OKButton = nullptr;

public slots:
    void setVisible(bool visible) override;

private:
    void CreatePanel();
    void CreateHeading();
    void CreateConditions();
    void CreatePurpose();
    void CreateContact();
    QLabel* AddLabel(const QString& objectName, const QString& text, const QPoint& place);
    QLabel* AddWrappedLabel(const QString& objectName, const QString& text, const QRect& place);
    QLineEdit* AddReadOnlyLine(const QString& objectName, const QString& text, const QRect& place);
};
