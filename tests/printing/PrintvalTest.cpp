// The print options dialog: its controls as the user sees them, and the
// choices it keeps from one Print command to the next.

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

template <typename T> T* Child(const TPrintDlg& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(PrintOptionsDialog, ControlsStandWhereAndAsDrawn) {
    TPrintDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Print");
    EXPECT_EQ(dialog.size(), QSize(385, 218));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

    struct Expected {
        const char* name;
        QString caption;
        QRect geometry;
        const char* parent;
    };
    const Expected controls[] = {
        {"GroupBox1", "Printing Choice", {14, 13, 356, 140}, "PrintDlg"},
        {"CheckBox1", "Dentiplot and Comments", {21, 27, 183, 17}, "GroupBox1"},
        {"CheckBox2",
         "Preliminary interpretation and proposed measures",
         {21, 56, 325, 23},
         "GroupBox1"},
        {"RadioButton1", "Black and White", {149, 108, 120, 17}, "GroupBox1"},
        {"RadioButton2", "Color", {276, 108, 53, 17}, "GroupBox1"},
        {"OKBtn", "OK", {87, 171, 95, 32}, "PrintDlg"},
        {"CancelBtn", "Cancel", {205, 171, 95, 32}, "PrintDlg"},
    };
    for (const Expected& control : controls) {
        SCOPED_TRACE(control.name);
        auto* widget = Child<QWidget>(dialog, control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), control.geometry);
        EXPECT_EQ(widget->parentWidget()->objectName(), control.parent);
        EXPECT_EQ(widget->font().pixelSize(), 13);
        QString caption;
        if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            caption = box->title();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            caption = button->text();
        }
        EXPECT_EQ(caption, control.caption);
    }
    EXPECT_FALSE(Child<QPushButton>(dialog, "OKBtn")->icon().isNull());
    EXPECT_FALSE(Child<QPushButton>(dialog, "CancelBtn")->icon().isNull());
}

TEST(PrintOptionsDialog, StartsWithBothPrintoutsInBlackAndWhite) {
    TPrintDlg dialog;
    EXPECT_TRUE(dialog.CheckBox1->isChecked());
    EXPECT_TRUE(dialog.CheckBox2->isChecked());
    EXPECT_TRUE(dialog.RadioButton1->isChecked());
    EXPECT_FALSE(dialog.RadioButton2->isChecked());
    EXPECT_TRUE(dialog.PrintReportChosen());
    EXPECT_TRUE(dialog.PrintAdviceChosen());
    EXPECT_FALSE(dialog.ColourChosen());
}

TEST(PrintOptionsDialog, ColourChoicesExcludeEachOther) {
    TPrintDlg dialog;
    dialog.RadioButton2->click();
    EXPECT_TRUE(dialog.ColourChosen());
    EXPECT_FALSE(dialog.RadioButton1->isChecked());
    dialog.RadioButton1->click();
    EXPECT_FALSE(dialog.ColourChosen());
    EXPECT_FALSE(dialog.RadioButton2->isChecked());
    // Clicking the chosen one again cannot leave both unchecked.
    dialog.RadioButton1->click();
    EXPECT_TRUE(dialog.RadioButton1->isChecked());

    dialog.SetColourChosen(true);
    EXPECT_TRUE(dialog.RadioButton2->isChecked());
    EXPECT_FALSE(dialog.RadioButton1->isChecked());
}

TEST(PrintOptionsDialog, EnterAcceptsEscapeAndCancelReject) {
    TPrintDlg dialog;
    const auto run = [&](std::function<void(QWidget*)> action) {
        ModalCloser closer(std::move(action));
        return dialog.exec();
    };
    EXPECT_EQ(run([](QWidget* modal) {
                  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                  QApplication::sendEvent(modal->focusWidget() ? modal->focusWidget() : modal,
                                          &enter);
              }),
              QDialog::Accepted);
    EXPECT_EQ(run([](QWidget* modal) {
                  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                  QApplication::sendEvent(modal, &escape);
              }),
              QDialog::Rejected);
    EXPECT_EQ(run([](QWidget* modal) { modal->findChild<QPushButton*>("CancelBtn")->click(); }),
              QDialog::Rejected);
    EXPECT_EQ(run([](QWidget* modal) { modal->findChild<QPushButton*>("OKBtn")->click(); }),
              QDialog::Accepted);
}

TEST(PrintOptionsDialog, KeepsTheLastChoicesAcrossOpeningsCancelIncluded) {
    TPrintDlg dialog;
    {
        ModalCloser closer([](QWidget* modal) {
            auto& shown = static_cast<TPrintDlg&>(*modal);
            shown.CheckBox1->click();
            shown.RadioButton2->click();
            shown.CancelBtn->click();
        });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    }
    bool focusOnOk = false;
    {
        ModalCloser closer([&](QWidget* modal) {
            focusOnOk = modal->focusWidget() == modal->findChild<QPushButton*>("OKBtn");
            static_cast<TPrintDlg&>(*modal).OKBtn->click();
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    }
    EXPECT_TRUE(focusOnOk);
    EXPECT_FALSE(dialog.PrintReportChosen());
    EXPECT_TRUE(dialog.PrintAdviceChosen());
    EXPECT_TRUE(dialog.ColourChosen());
}

} // namespace
