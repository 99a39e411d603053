#include "printing/Printval.h"

#include "resources/Fonts.h"
#include "resources/ScreenCentre.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

constexpr int kClientWidth = 385;
constexpr int kClientHeight = 218;
constexpr int kControlFontPixels = 13;

} // namespace

TPrintDlg::TPrintDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("PrintDlg"));
    setWindowTitle(QStringLiteral("Print"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(SansFont(kControlFontPixels));
    CreateChoices();
    CreateButtons();
}

void TPrintDlg::CreateChoices() {
    GroupBox1 = new QGroupBox(QStringLiteral("Printing Choice"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(14, 13, 356, 140);

    CheckBox1 = new QCheckBox(QStringLiteral("Dentiplot and Comments"), GroupBox1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(21, 27, 183, 17);
    CheckBox1->setChecked(true);

    CheckBox2 = new QCheckBox(QStringLiteral("Preliminary interpretation and proposed measures"),
                              GroupBox1);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(21, 56, 325, 23);
    CheckBox2->setChecked(true);

    // Siblings in one group box, so the two are exclusive by themselves.
    RadioButton1 = new QRadioButton(QStringLiteral("Black and White"), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(149, 108, 120, 17);
    RadioButton1->setChecked(true);

    RadioButton2 = new QRadioButton(QStringLiteral("Color"), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(276, 108, 53, 17);
}

void TPrintDlg::CreateButtons() {
    OKBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"),
                            this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(87, 171, 95, 32);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    // Escape rejects the dialog as well, as does the close box.
    CancelBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(205, 171, 95, 32);
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TPrintDlg::PrintReportChosen() const {
    return CheckBox1->isChecked();
}

void TPrintDlg::SetPrintReportChosen(bool chosen) {
    CheckBox1->setChecked(chosen);
}

bool TPrintDlg::PrintAdviceChosen() const {
    return CheckBox2->isChecked();
}

void TPrintDlg::SetPrintAdviceChosen(bool chosen) {
    CheckBox2->setChecked(chosen);
}

bool TPrintDlg::ColourChosen() const {
    return RadioButton2->isChecked();
}

void TPrintDlg::SetColourChosen(bool colour) {
    (colour ? RadioButton2 : RadioButton1)->setChecked(true);
}

void TPrintDlg::setVisible(bool visible) {
    if (visible) {
        // Centred on the screen and ready for Enter, every time it opens.
        CentreOnScreen(*this);
    }
    QDialog::setVisible(visible);
    if (visible) {
        OKBtn->setFocus(Qt::OtherFocusReason);
    }
}
