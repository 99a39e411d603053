// The print options dialog: its controls by name, caption and size, its
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

TEST(PrintOptionsDialog, ControlsByNameCaptionAndSize) {
    TPrintDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Print");
    EXPECT_EQ(dialog.size(), QSize(385, 218));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const std::tuple<const char*, QString, QSize> controls[] = {
        {"GroupBox1", "Printing Choice", {356, 140}},
        {"CheckBox1", "Dentiplot and Comments", {183, 17}},
        {"CheckBox2", "Preliminary interpretation and proposed measures", {325, 23}},
        {"RadioButton1", "Black and White", {120, 17}},
        {"RadioButton2", "Color", {53, 17}},
        {"OKBtn", "OK", {95, 32}},
        {"CancelBtn", "Cancel", {95, 32}},
    };
    for (const auto& [name, caption, size] : controls) {
        SCOPED_TRACE(name);
        auto* widget = dialog.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->size(), size);
        auto* box = qobject_cast<QGroupBox*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        EXPECT_EQ(box ? box->title() : button->text(), caption);
    }
    EXPECT_TRUE(dialog.CheckBox1->isChecked());
    EXPECT_TRUE(dialog.CheckBox2->isChecked());
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
