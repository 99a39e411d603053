// The program as it starts: the splash window first and closing on its
// timer, every window created once, and the toolbar commands reaching them,
// with failures shown in the standard error box.

#include "mainwindow/Program.h"

#include "advice/Advicedl.h"
#include "mainwindow/My_pie.h"
#include "model/InmBearb.h"
#include "notes/InputId.h"
#include "printing/Printval.h"
#include "tests/mainwindow/MainWindowSupport.h"
#include "tests/support/ModalCloser.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace MainWindowSupport;

namespace {

class ProgramTest : public ::testing::Test {
protected:
    void Start(bool printerMissing = false) {
        ResetModel();
        program_ = std::make_unique<TDentiplotProgram>(
            std::make_unique<FakePrintService>(&jobs_, printerMissing));
        program_->Form1().SetDisplayDepth(32);
        program_->Form1().SetScreenWidth(1024);
    }
    TForm1& Form() { return program_->Form1(); }
    void Click(const char* button) { Find<QToolButton>(Form(), button)->click(); }

    std::unique_ptr<TDentiplotProgram> program_;
    int jobs_ = 0;
};

TEST_F(ProgramTest, SplashShowsFirstAndClosesOnItsTimer) {
    Start();
    TSplashForm& splash = program_->Splash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(Form().isVisible());
    ASSERT_TRUE(splash.Timer1->isActive());
    EXPECT_EQ(splash.Timer1->interval(), 5000);

    program_->ShowMainWindow();
    EXPECT_TRUE(Form().isVisible());
    // Drive the splash timer instead of waiting five seconds.
    splash.Timer1->start(0);
    for (int i = 0; i < 100 && splash.isVisible(); ++i) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(Form().isVisible());
}

TEST_F(ProgramTest, AboutAndHelpOpenModallyAndChangeNothing) {
    Start();
    EnterScores(Form(), DefaultScores());
    const QStringList before = PieTexts(Form());
    ModalCloser closer;
    Click("SpeedButton2");
    Click("SpeedButton3");
    EXPECT_EQ(closer.Titles(), QStringList({"About Dentiplot", "Help"}));
    EXPECT_EQ(PieTexts(Form()), before);
    EXPECT_TRUE(ChartShown(Form()));
}

TEST_F(ProgramTest, NotesFillTheLabelsAndNewEmptiesThem) {
    Start();
    ModalCloser closer([](QWidget* modal) {
        if (auto* notes = qobject_cast<TPatientIdent*>(modal)) {
            notes->Edit1->setText("Ann Smith");
            notes->Edit3->setText("2026-12-06");
            notes->accept();
        }
    });
    Click("SpeedButton8");
    ASSERT_EQ(closer.Titles(), QStringList({"Notes"}));
    EXPECT_EQ(Form().Notes().name, "Ann Smith");
    EXPECT_EQ(Find<QLabel>(Form(), "Label33")->text(), "Ann Smith");
    EXPECT_EQ(Find<QLabel>(Form(), "Label34")->text(), "Ident.No.");
    EXPECT_EQ(Find<QLabel>(Form(), "Label35")->text(), "2026-12-06");

    program_->PatientIdent().Label6->setText("Page 2/3");
    Click("SpeedButton4");
    EXPECT_TRUE(Form().Notes().name.isEmpty());
    EXPECT_EQ(Find<QLabel>(Form(), "Label33")->text(), "Name");
    EXPECT_EQ(Find<QLabel>(Form(), "Label34")->text(), "Ident.No");
    EXPECT_EQ(program_->PatientIdent().Label6->text(), "Page 1/1");
}

TEST_F(ProgramTest, AdviceIsAssembledForTheScoresAndShown) {
    Start();
    EnterScores(Form(), DefaultScores());
    ModalCloser closer;
    Click("SpeedButton5");
    EXPECT_EQ(closer.Titles(), QStringList({"Preliminary interpretation and proposed measures "}));
    EXPECT_FALSE(program_->Advice().Lines().isEmpty());
}

// A character the entry check refused stays in its edit while the model keeps
// the previous value; advice and Print must not read it. Both answer with the
// entry check's own message and hand the focus back to that edit. The printer
// is missing, so asking it would show its own error box.
TEST_F(ProgramTest, RejectedScoreStopsAdviceAndPrintAtTheEntryMessage) {
    Start(true);
    program_->ShowMainWindow();
    Form().activateWindow();
    QApplication::processEvents();
    EnterScores(Form(), DefaultScores());
    QStringList windows;
    ModalCloser closer([&windows](QWidget* modal) {
        windows << modal->metaObject()->className();
        qobject_cast<QDialog*>(modal)->reject();
    });
    Click("SpeedButton5");
    const QStringList advice = program_->Advice().Lines();
    ASSERT_FALSE(advice.isEmpty());

    QLineEdit* diet = Edit(Form(), 3);
    diet->setFocus();
    Type(diet, Qt::Key_7, "7");
    for (const char* button : {"SpeedButton5", "SpeedButton7"}) {
        Edit(Form(), 4)->setFocus();
        Click(button);
        QApplication::processEvents();
        EXPECT_TRUE(diet->hasFocus()) << button;
    }
    EXPECT_EQ(closer.Texts(), QStringList(3, QStringLiteral("Value out of range")));
    EXPECT_EQ(closer.Titles().mid(1), QStringList(3, QString()));

    Type(diet, Qt::Key_X, "x");
    Click("SpeedButton7");
    EXPECT_EQ(closer.Texts().mid(3), QStringList(2, QStringLiteral("Not a numerical value")));
    EXPECT_EQ(windows, QStringList({"TAdvice"}) + QStringList(5, QStringLiteral("QMessageBox")));
    EXPECT_EQ(program_->Advice().Lines(), advice);
    EXPECT_EQ(jobs_, 0);

    // Corrected, the commands run again; a blank still counts as not given.
    diet->setText(" ");
    Click("SpeedButton5");
    EXPECT_EQ(windows.last(), "TAdvice");
}

TEST_F(ProgramTest, MissingPrinterIsReportedBeforeTheDialog) {
    Start(true);
    EnterScores(Form(), DefaultScores());
    ModalCloser closer;
    Click("SpeedButton7");
    EXPECT_EQ(closer.Titles(), QStringList({"Dentiplot"}));
    EXPECT_EQ(closer.Texts(), QStringList({"There is no default printer currently selected."}));
    EXPECT_TRUE(program_->Advice().Lines().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ProgramTest, PrintSendsReportAndAdviceAsTwoJobs) {
    Start();
    EnterScores(Form(), DefaultScores());
    ModalCloser closer([](QWidget* modal) {
        if (auto* dialog = qobject_cast<TPrintDlg*>(modal)) {
            dialog->accept();
        }
    });
    Click("SpeedButton7");
    EXPECT_EQ(closer.Titles(), QStringList({"Print"}));
    EXPECT_EQ(jobs_, 2);
    EXPECT_FALSE(program_->Advice().Lines().isEmpty());
}

TEST_F(ProgramTest, ExitClosesTheMainWindow) {
    Start();
    program_->ShowMainWindow();
    int closed = 0;
    QObject::connect(&Form(), &TForm1::closed, [&closed] { ++closed; });
    Click("SpeedButton1");
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(closed, 1);
}

} // namespace
