// The main window for a user without a mouse or without sight of the screen:
// every control has a name, the chart describes itself, the score column is
// reached with Tab and set with digits and arrow keys, and the toolbar
// commands have shortcuts that follow their buttons' enabled state.

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "mainwindow/SpinButton.h"
#include "piechart/Pieflytt.h"
#include "printing/Printval.h"
#include "tests/mainwindow/MainWindowSupport.h"
#include "tests/support/ModalCloser.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace MainWindowSupport;

namespace {

const QString kDefaultDescription =
    QStringLiteral("Actual chance to avoid new cavities 21%, Circumstances 11%, "
                   "Susceptibility 23%, Bacteria 23%, Diet 23%");

// The whole program, shown and active, with print jobs counted instead of
// sent.
class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModel();
        program_ =
            std::make_unique<TDentiplotProgram>(std::make_unique<FakePrintService>(&jobs_, false));
        UseTestDisplay(Form());
        program_->ShowMainWindow();
        Form().activateWindow();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &Form());
    }

    TForm1& Form() { return program_->Form1(); }

    // Name of the control that holds the keyboard focus: a selector's inner
    // line edit counts as the selector.
    static QString Focused() {
        for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
             widget = widget->parentWidget()) {
            if (!widget->objectName().isEmpty()) {
                return widget->objectName();
            }
        }
        return {};
    }

    // A key as the keyboard sends it to whatever holds the focus, shortcuts
    // included. The window becomes active again first, should a closed modal
    // window have left it inactive.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (QApplication::activeWindow() == nullptr) {
            Form().activateWindow();
            QApplication::processEvents();
        }
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &Form(), key, modifiers);
        QApplication::processEvents();
    }

    std::unique_ptr<TDentiplotProgram> program_;
    int jobs_ = 0;
};

TEST_F(KeyboardTest, TabRunsDownTheScoreColumnThenToTheSelectors) {
    // The window opens ready to type into the first row that takes digits.
    EXPECT_EQ(Focused(), "MaskEdit2");
    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        Press(Qt::Key_Tab);
        visited << Focused();
    }
    EXPECT_EQ(visited, QStringList({"MaskEdit3", "MaskEdit4", "MaskEdit5", "MaskEdit6", "MaskEdit7",
                                    "MaskEdit8", "MaskEdit9", "MaskEdit10", "ComboBox2",
                                    "ComboBox1", "MaskEdit1"}));
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), "ComboBox1");
}

TEST_F(KeyboardTest, ArrowKeysStepTheFocusedRowLikeItsSpinButton) {
    // "Caries experience" takes no typing, but its arrow keys set it.
    QLineEdit* caries = Edit(Form(), 1);
    caries->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_5);
    EXPECT_EQ(caries->text(), " ");
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        Press(Qt::Key_Up);
        seen << caries->text();
    }
    EXPECT_EQ(seen, QStringList({"0", "1", "2", "3", "3"}));
    Press(Qt::Key_Down);
    EXPECT_EQ(caries->text(), "2");

    Press(Qt::Key_Down, Qt::KeypadModifier);
    EXPECT_EQ(caries->text(), "1");
    // The step was entered: with six more rows the chart shows.
    EnterScores(Form(), {"", "1", "2", "2", "2", "2", "", "", "", ""});
    EXPECT_TRUE(ChartShown(Form()));
}

TEST_F(KeyboardTest, ShortcutsWorkOnlyWhileTheirButtonIsEnabled) {
    ModalCloser closer;
    // No chart yet: "Print" is greyed, and so is Ctrl+P.
    Press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(closer.Count(), 0);
    EXPECT_EQ(jobs_, 0);

    Press(Qt::Key_F1);
    EXPECT_EQ(closer.Titles(), QStringList({"Help"}));

    // A shortcut never reaches the edit as a typed character.
    Edit(Form(), 4)->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Edit(Form(), 4)->text(), " ");
    EXPECT_EQ(closer.Count(), 1);

    int closed = 0;
    QObject::connect(&Form(), &TForm1::closed, [&closed] { ++closed; });
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(Form().isVisible());
}

// A full assessment without the mouse: scores typed row by row, the print
// dialog opened and cancelled, and a new assessment started.
TEST_F(KeyboardTest, WholeAssessmentFromTheKeyboard) {
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(Focused(), "MaskEdit1");
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    const QString rest = QStringLiteral("122222111");
    for (const QChar digit : rest) {
        Press(Qt::Key_Tab);
        Press(static_cast<Qt::Key>(Qt::Key_0 + digit.digitValue()));
    }
    EXPECT_EQ(Focused(), "MaskEdit10");
    Press(Qt::Key_Tab); // leaving the last row runs its check once more
    EXPECT_EQ(Focused(), "ComboBox2");
    EXPECT_EQ(Form().ScoreTexts()[0], "2");
    ASSERT_TRUE(ChartShown(Form()));
    EXPECT_EQ(Pie(Form())->accessibleDescription(), kDefaultDescription);

    int printDialogs = 0;
    ModalCloser closer([&printDialogs](QWidget* modal) {
        if (auto* dialog = qobject_cast<TPrintDlg*>(modal)) {
            ++printDialogs;
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    Press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printDialogs, 1);
    EXPECT_EQ(jobs_, 0); // Cancel sends nothing

    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(ChartShown(Form()));
    EXPECT_EQ(Edit(Form(), 10)->text(), "1");
    EXPECT_EQ(Edit(Form(), 3)->text(), " ");
    EXPECT_EQ(closer.Count(), 1); // no message on the way
}

class AccessibilityTest : public WindowTest {};

TEST_F(AccessibilityTest, EveryControlIsNamed) {
    EXPECT_EQ(Edit(Form(), 1)->accessibleName(), "Caries experience");
    EXPECT_EQ(Edit(Form(), 3)->accessibleName(), "Diet, contents");
    EXPECT_TRUE(Edit(Form(), 9)->accessibleDescription().startsWith("0-2\n0 = Adequate"));
    TSpinButton* spin = Spin(Form(), 10);
    EXPECT_EQ(spin->accessibleName(), "Clin. judgement up/down");
    EXPECT_EQ(spin->UpButton()->accessibleName(), "Clin. judgement up");
    EXPECT_EQ(spin->DownButton()->accessibleName(), "Clin. judgement down");

    const QStringList buttons = {"SpeedButton1", "SpeedButton4", "SpeedButton2", "SpeedButton3",
                                 "SpeedButton8", "SpeedButton5", "SpeedButton7"};
    QStringList names;
    for (const QString& button : buttons) {
        QAccessibleInterface* access =
            QAccessible::queryAccessibleInterface(Find<QToolButton>(Form(), button));
        names << (access != nullptr ? access->text(QAccessible::Name) : QString());
    }
    EXPECT_EQ(names, QStringList({"Exit", "New", "About", "Help", "Notes",
                                  "Preliminary interpretation and proposed measures", "Print"}));
    EXPECT_EQ(Find<QToolButton>(Form(), "SpeedButton7")->accessibleDescription(), "Ctrl+P");
    EXPECT_EQ(Find<QComboBox>(Form(), "ComboBox2")->accessibleName(), "Country/Area");
    EXPECT_EQ(Find<QComboBox>(Form(), "ComboBox1")->accessibleName(), "Group");

    auto* chanceRow = Find<QFrame>(Form(), "Panel1");
    EXPECT_EQ(chanceRow->accessibleName(), "Actual chance to avoid new cavities");
    EXPECT_EQ(chanceRow->accessibleDescription(), chanceRow->toolTip());
    EXPECT_EQ(Find<QFrame>(Form(), "Panel11")->accessibleName(), "Circumstances");
}

TEST_F(AccessibilityTest, ChartDescribesItsSectorsAfterEveryRefresh) {
    TPieFlytt* pie = Pie(Form());
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(pie);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), "Caries risk chart");
    EXPECT_TRUE(chart->text(QAccessible::Description).isEmpty());

    EnterScores(Form(), DefaultScores());
    EXPECT_EQ(chart->text(QAccessible::Description), kDefaultDescription);

    // The chance raised for drawing is the one described: 0%, not negative.
    EnterScores(Form(), {"3", "2", "3", "3", "3", "3", "3", "3", "2", "3"});
    EXPECT_EQ(PieTexts(Form()).first(), "0.50 0%");
    EXPECT_TRUE(chart->text(QAccessible::Description)
                    .startsWith("Actual chance to avoid new cavities 0%, Circumstances "));

    // A selector change refreshes it too.
    EnterScores(Form(), DefaultScores());
    Find<QComboBox>(Form(), "ComboBox2")->setCurrentIndex(1);
    const QString raised = PieTexts(Form()).first().section(' ', 1);
    EXPECT_NE(raised, "21%");
    EXPECT_TRUE(chart->text(QAccessible::Description)
                    .startsWith("Actual chance to avoid new cavities " + raised + ", "));

    // Hidden, the chart says nothing, although its data stay for later.
    for (int factor = 1; factor <= 4; ++factor) {
        Edit(Form(), factor)->setText(" ");
    }
    EXPECT_FALSE(ChartShown(Form()));
    EXPECT_TRUE(chart->text(QAccessible::Description).isEmpty());
    EXPECT_FALSE(PieTexts(Form()).isEmpty());
}

} // namespace
