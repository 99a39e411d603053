// The main window driven headless through its controls and keys, alone and
// inside the whole program: its controls, the layout of the chart area at
// every size, the legend colours, the toolbar commands and their failures,
// and one whole assessment from the keyboard.

#include "advice/Advicedl.h"
#include "mainwindow/Shape.h"
#include "notes/InputId.h"
#include "piechart/Pieflytt.h"
#include "printing/Printval.h"
#include "resources/SectorPalette.h"
#include "tests/mainwindow/MainWindowSupport.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/QStringPrinter.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace MainWindowSupport;

namespace {

QStringList Numbered(const QString& stem, int first, int last) {
    QStringList names;
    for (int i = first; i <= last; ++i) {
        names << stem + QString::number(i);
    }
    return names;
}

// Object names other code, tests and users find the controls by, with their
// sizes; the score column's width only, its height follows the window.
TEST_F(WindowTest, ControlsAndTheirSizes) {
    const struct {
        QStringList names;
        QSize size;
    } controls[] = {
        {Numbered("SpeedButton", 1, 5) << "SpeedButton7"
                                       << "SpeedButton8",
         {32, 32}},
        {Numbered("MaskEdit", 1, 10), {28, 37}},
        {Numbered("SpinButton", 1, 10), {25, 37}},
        {{"ComboBox1", "ComboBox2"}, {127, 24}},
        {{"Panel6"}, {185, 183}},
        {{"Panel7"}, {186, 109}},
        {{"Panel12"}, {173, 131}},
        {{"Panel1", "Panel8", "Panel9", "Panel10", "Panel11"}, {181, 35}},
        {Numbered("Shape", 1, 5), {21, 21}},
        {Numbered("Label", 33, 36), {160, 21}},
    };
    for (const auto& group : controls) {
        for (const QString& name : group.names) {
            if (const auto* control = Find<QWidget>(Form(), name)) {
                EXPECT_EQ(control->size(), group.size) << name.toStdString();
            }
        }
    }
    EXPECT_EQ(Find<QFrame>(Form(), "Panel2")->width(), 235);
    EXPECT_EQ(Find<QFrame>(Form(), "Panel10")->toolTipDuration(), 25000);

    EXPECT_EQ(Form().windowTitle(), "Dentiplot - Evaluation of the Caries Risk");
    EXPECT_EQ(Find<QComboBox>(Form(), "ComboBox2")->currentText(), "Standard set");
    EXPECT_EQ(Find<QComboBox>(Form(), "ComboBox1")->currentText(), "Standard set");
    EXPECT_EQ(Find<QLabel>(Form(), "Label34")->text(), "Ident.No.");
    // What assistive technology reads for a score row, a toolbar command
    // with its key, and a legend row.
    const std::pair<const char*, QString> spoken[] = {
        {"MaskEdit3", "Diet, contents"},
        {"SpinButton10", "Clin. judgement up/down"},
        {"SpeedButton5", "Preliminary interpretation and proposed measures"},
        {"ComboBox2", "Country/Area"},
        {"Panel11", "Circumstances"}};
    for (const auto& [name, text] : spoken) {
        EXPECT_EQ(Find<QWidget>(Form(), name)->accessibleName(), text) << name;
    }
    EXPECT_EQ(Find<QWidget>(Form(), "SpeedButton7")->accessibleDescription(), "Ctrl+P");
}

// Also run on a screen of device-pixel ratio 2: the layout keeps its logical
// pixel sizes.
TEST_F(WindowTest, ChartAreaFollowsTheWindowDownToItsSmallestSize) {
    Form().show();
    Form().resize(1024, 700);
    QApplication::processEvents();
    ASSERT_EQ(Find<QFrame>(Form(), "Panel4")->size(), QSize(1024 - 235, 700 - 42));
    EXPECT_EQ(Pie(Form())->geometry(), QRect(225, 67, 525, 525));
    EXPECT_EQ(Find<QFrame>(Form(), "Panel6")->geometry(), QRect(8, 658 - 183 - 7, 185, 183));
    EXPECT_EQ(Find<QFrame>(Form(), "Panel7")->pos(), QPoint(396, 275));
    const qreal ratio = Form().devicePixelRatioF();
    EXPECT_EQ(Find<QFrame>(Form(), "Panel3")->grab().size(),
              QSize(qRound(1024 * ratio), qRound(42 * ratio)));
    Form().SetScreenWidth(800);
    EXPECT_EQ(Pie(Form())->size(), QSize(400, 400));
    Form().SetScreenWidth(1024);

    // At its smallest the window shows every control of the toolbar, the
    // score column, the identification block and the legend whole and clear
    // of the others; only the pie keeps shrinking with the width.
    Form().resize(1, 1);
    QApplication::processEvents();
    ASSERT_EQ(Form().size(), QSize(686, 515));
    EXPECT_EQ(Pie(Form())->width(), 254); // (686 - 235 - 185 + 5) * 0.9375
    EXPECT_EQ(Find<QFrame>(Form(), "Panel6")->y(), 473 - 183 - 7);
    QList<QWidget*> controls;
    for (const char* container : {"Panel3", "Panel5", "Panel2"}) {
        controls << Find<QWidget>(Form(), container)
                        ->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }
    controls << Find<QWidget>(Form(), "Panel12") << Find<QWidget>(Form(), "Panel6");
    const auto place = [this](const QWidget* control) {
        return QRect(control->mapTo(&Form(), QPoint(0, 0)), control->size());
    };
    // A row's spin button covers its edit's right border, as designed.
    const auto attached = [](const QWidget* a, const QWidget* b) {
        const QString edit = a->objectName();
        return edit.startsWith("MaskEdit") && b->objectName() == "SpinButton" + edit.mid(8);
    };
    for (int i = 0; i < controls.size(); ++i) {
        const QWidget* a = controls[i];
        ASSERT_TRUE(a->isVisible()) << a->objectName().toStdString();
        EXPECT_TRUE(Form().rect().contains(place(a))) << a->objectName().toStdString();
        for (int j = i + 1; j < controls.size(); ++j) {
            const QWidget* b = controls[j];
            if (!a->isAncestorOf(b) && !b->isAncestorOf(a) && !attached(a, b)) {
                EXPECT_FALSE(place(a).intersects(place(b)))
                    << a->objectName().toStdString() << " over " << b->objectName().toStdString();
            }
        }
    }
}

TEST_F(WindowTest, LegendColoursFollowTheDisplayDepth) {
    for (const int depth : {32, 8}) {
        Form().SetDisplayDepth(depth);
        const SectorPalette& colours = ScreenSectorColours(depth);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            auto* shape = Find<TShape>(Form(), QStringLiteral("Shape%1").arg(i + 1));
            QImage image(shape->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            shape->render(&image);
            // The corner and the centre: a filling pen covers both.
            EXPECT_EQ(image.pixelColor(1, 1), colours[i]) << "depth " << depth << " row " << i;
            EXPECT_EQ(image.pixelColor(10, 10), colours[i]) << "depth " << depth << " row " << i;
        }
    }
}

TEST_F(ProgramTest, SplashShowsFirstAndClosesOnItsTimer) {
    Start(false, false);
    TSplashForm& splash = program_->Splash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(Form().isVisible());
    ASSERT_TRUE(splash.Timer1->isActive());
    EXPECT_EQ(splash.Timer1->interval(), 5000);
    program_->ShowMainWindow();
    splash.Timer1->start(0); // instead of waiting five seconds
    for (int i = 0; i < 100 && splash.isVisible(); ++i) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(Form().isVisible());
}

TEST_F(ProgramTest, ToolbarCommandsReachTheirWindows) {
    Start();
    EnterScores(Form());
    const QStringList chart = PieTexts(Form());
    ModalCloser closer([](QWidget* modal) {
        if (auto* notes = qobject_cast<TPatientIdent*>(modal)) {
            notes->Edit1->setText("Ann Smith");
            notes->Edit3->setText("2026-12-06");
            notes->accept();
        } else if (auto* print = qobject_cast<TPrintDlg*>(modal)) {
            print->accept();
        } else {
            qobject_cast<QDialog*>(modal)->reject();
        }
    });
    for (const char* button :
         {"SpeedButton2", "SpeedButton3", "SpeedButton8", "SpeedButton5", "SpeedButton7"}) {
        Click(Form(), button);
    }
    EXPECT_EQ(closer.Titles(),
              QStringList({"About Dentiplot", "Help", "Notes",
                           "Preliminary interpretation and proposed measures ", "Print"}));
    EXPECT_EQ(jobs, 2); // the report and the advice page
    EXPECT_FALSE(program_->Advice().Lines().isEmpty());
    EXPECT_EQ(PieTexts(Form()), chart);
    EXPECT_EQ(Find<QLabel>(Form(), "Label33")->text(), "Ann Smith");
    EXPECT_EQ(Find<QLabel>(Form(), "Label34")->text(), "Ident.No.");
    EXPECT_EQ(Find<QLabel>(Form(), "Label35")->text(), "2026-12-06");

    program_->PatientIdent().Label6->setText("Page 2/3");
    Click(Form(), "SpeedButton4");
    EXPECT_TRUE(Form().Notes().name.isEmpty());
    EXPECT_EQ(Find<QLabel>(Form(), "Label33")->text(), "Name");
    // "New" writes "Ident.No" without its full stop, as users know it.
    EXPECT_EQ(Find<QLabel>(Form(), "Label34")->text(), "Ident.No");
    EXPECT_EQ(program_->PatientIdent().Label6->text(), "Page 1/1");

    int closed = 0;
    QObject::connect(&Form(), &TForm1::closed, [&closed] { ++closed; });
    Click(Form(), "SpeedButton1");
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(closed, 1);
}

// A character the entry check refused stays in its edit while the model keeps
// the previous value; advice and Print must not read it. Both answer with the
// entry check's own message and hand the focus back to that edit. The printer
// is missing, so asking it would show its own error box.
TEST_F(ProgramTest, RejectedScoreStopsAdviceAndPrintAtTheEntryMessage) {
    Start(true);
    EnterScores(Form());
    QStringList windows;
    ModalCloser closer([&windows](QWidget* modal) {
        windows << modal->metaObject()->className();
        qobject_cast<QDialog*>(modal)->reject();
    });
    Click(Form(), "SpeedButton5");
    const QStringList advice = program_->Advice().Lines();
    ASSERT_FALSE(advice.isEmpty());

    QLineEdit* diet = Edit(Form(), 3);
    diet->setFocus();
    Type(diet, Qt::Key_7, "7");
    for (const char* button : {"SpeedButton5", "SpeedButton7"}) {
        Edit(Form(), 4)->setFocus();
        Click(Form(), button);
        QApplication::processEvents();
        EXPECT_TRUE(diet->hasFocus()) << button;
    }
    EXPECT_EQ(closer.Texts(), QStringList(3, QStringLiteral("Value out of range")));
    EXPECT_EQ(closer.Titles().mid(1), QStringList(3, QString()));
    EXPECT_EQ(closer.Icons(), QList<QMessageBox::Icon>(3, QMessageBox::Critical));

    Type(diet, Qt::Key_X, "x");
    Click(Form(), "SpeedButton7");
    EXPECT_EQ(closer.Texts().mid(3), QStringList(2, QStringLiteral("Not a numerical value")));
    EXPECT_EQ(windows, QStringList({"TAdvice"}) + QStringList(5, QStringLiteral("QMessageBox")));
    EXPECT_EQ(program_->Advice().Lines(), advice);
    EXPECT_EQ(jobs, 0);

    // Corrected, the commands run again; a blank still counts as not given.
    diet->setText(" ");
    Click(Form(), "SpeedButton5");
    EXPECT_EQ(windows.last(), "TAdvice");
}

// A command's failure shows in the standard error box, titled with the
// program's name, its message ending in a full stop, the busy cursor gone.
TEST_F(ProgramTest, MissingPrinterIsReportedBeforeTheDialog) {
    Start(true);
    EnterScores(Form());
    ModalCloser closer;
    Click(Form(), "SpeedButton7");
    EXPECT_EQ(closer.Titles(), QStringList({"Dentiplot"}));
    EXPECT_EQ(closer.Texts(), QStringList({"There is no default printer currently selected."}));
    EXPECT_EQ(closer.Icons(), QList<QMessageBox::Icon>({QMessageBox::Critical}));
    EXPECT_TRUE(program_->Advice().Lines().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

class KeyboardTest : public ProgramTest {
protected:
    // The control that holds the keyboard focus; a selector's inner line
    // edit counts as the selector.
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
    // included.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Reactivate();
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &Form(), key, modifiers);
        QApplication::processEvents();
    }
};

// A whole assessment without the mouse: the tab order, digits, arrow keys,
// the chart's description, and the shortcuts, which work only while their
// command is enabled.
TEST_F(KeyboardTest, WholeAssessmentFromTheKeyboard) {
    Start();
    int printDialogs = 0;
    ModalCloser closer([&printDialogs](QWidget* modal) {
        printDialogs += qobject_cast<TPrintDlg*>(modal) != nullptr ? 1 : 0;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    const auto fresh = Form().ScoreTexts();
    EXPECT_EQ(QStringList(fresh.begin(), fresh.end()),
              QStringList({" ", " ", " ", " ", " ", " ", " ", " ", " ", "1"}));
    EXPECT_FALSE(ChartShown(Form()));
    Press(Qt::Key_P, Qt::ControlModifier); // no chart: "Print" is disabled
    EXPECT_EQ(closer.Count(), 0);

    EXPECT_EQ(Focused(), "MaskEdit2"); // ready for the first row taking digits
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(Focused(), "MaskEdit1");
    Press(Qt::Key_5); // "Caries experience" is set with its arrows only
    QStringList steps;
    for (int i = 0; i < 5; ++i) {
        Press(Qt::Key_Up);
        steps << Edit(Form(), 1)->text();
    }
    EXPECT_EQ(steps, QStringList({"0", "1", "2", "3", "3"}));
    Press(Qt::Key_Down);
    for (const QChar digit : QStringLiteral("122222111")) {
        Press(Qt::Key_Tab);
        Press(static_cast<Qt::Key>(Qt::Key_0 + digit.digitValue()));
    }
    EXPECT_EQ(Focused(), "MaskEdit10");
    Press(Qt::Key_Tab); // leaving the last row runs its check once more
    EXPECT_EQ(Focused(), "ComboBox2");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "ComboBox1");
    EXPECT_EQ(Form().ScoreTexts()[0], "2");
    ASSERT_TRUE(ChartShown(Form()));
    EXPECT_EQ(Pie(Form())->accessibleDescription(),
              "Actual chance to avoid new cavities 21%, Circumstances 11%, "
              "Susceptibility 23%, Bacteria 23%, Diet 23%");

    Press(Qt::Key_F1);
    Press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printDialogs, 1);
    EXPECT_EQ(jobs, 0); // Cancel sends nothing
    Edit(Form(), 4)->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(ChartShown(Form()));
    EXPECT_TRUE(Pie(Form())->accessibleDescription().isEmpty());
    EXPECT_EQ(Form().ScoreTexts(), fresh);
    EXPECT_EQ(closer.Titles(), QStringList({"Help", "Print"})); // and no message

    int closed = 0;
    QObject::connect(&Form(), &TForm1::closed, [&closed] { ++closed; });
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closed, 1);
}

} // namespace
