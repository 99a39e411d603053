// The print options dialog: its controls by name and caption, its
// first choices, and Enter and Escape. That it keeps the choices from one
// Print command to the next is the print command test's.

#include "printing/Printval.h"

#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

TEST(PrintOptionsDialog, ControlsByNameAndCaption) {
    TPrintDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Print");
    EXPECT_EQ(dialog.size(), QSize(385, 218));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    QStringList captions;
    for (const char* name : {"GroupBox1", "CheckBox1", "CheckBox2", "RadioButton1", "RadioButton2",
                             "OKBtn", "CancelBtn"}) {
        auto* widget = dialog.findChild<QWidget*>(name);
        auto* box = qobject_cast<QGroupBox*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        captions << (box ? box->title() : button ? button->text() : "missing");
    }
    EXPECT_EQ(captions.join('|'),
              "Printing Choice|Dentiplot and Comments|Preliminary "
              "interpretation and proposed measures|Black and White|Color|OK|Cancel");
    EXPECT_TRUE(dialog.CheckBox1->isChecked() && dialog.CheckBox2->isChecked());
    EXPECT_TRUE(dialog.RadioButton1->isChecked());
    EXPECT_FALSE(dialog.ColourChosen());
}

TEST(PrintOptionsDialog, EnterAcceptsAndEscapeRejects) {
    TPrintDlg dialog;
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                      std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        ModalCloser closer([key](QWidget* modal) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(modal->focusWidget() ? modal->focusWidget() : modal, &press);
        });
        EXPECT_EQ(dialog.exec(), result) << key;
    }
}

} // namespace
