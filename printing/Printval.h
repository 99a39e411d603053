#pragma once

// The print options dialog: what to print (the chart report, the advice
// page) and how (black and white, or colour). Created once at program start
// and only hidden between uses, so the user's last choices stay in force,
// Cancel included, until the program ends.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TPrintDlg : public QDialog {
    Q_OBJECT

public:
    explicit TPrintDlg(QWidget* parent = nullptr);

    // "Dentiplot and Comments": print the chart report.
    bool PrintReportChosen() const;
    void SetPrintReportChosen(bool chosen);
    // "Preliminary interpretation and proposed measures": print the advice.
    bool PrintAdviceChosen() const;
    void SetPrintAdviceChosen(bool chosen);
    // "Color" rather than "Black and White".
    bool ColourChosen() const;
    void SetColourChosen(bool colour);

    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

public slots:
    void setVisible(bool visible) override;

private:
    void CreateChoices();
    void CreateButtons();
};
