// The Print command of the running program against a private print scheduler
// that goes wrong: no default printer, the queue refusing jobs, the spool
// folder unwritable, the scheduler stopping between the report and the
// advice page. Each failure reaches the user once in the standard error box,
// the assessment on screen survives it, and printing works again once the
// fault is gone. A stopped queue is no failure: the print system keeps the
// jobs and prints them when the queue starts again.

#include "advice/Advicedl.h"
#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "model/InmBearb.h"
#include "piechart/Pieflytt.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/printing/CupsHarness.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

using CupsHarness::Admin;
using CupsHarness::DefaultQueue;
using CupsHarness::Job;

// The system's default printer, with a hook that runs just before each job
// is opened: the place to break the print system between two jobs.
class HookedPrinter final : public Printing::PrintService {
public:
    explicit HookedPrinter(std::function<void(int)>& beforeJob) : m_beforeJob(beforeJob) {}
    QSize PrintableSize() override { return m_printer.PrintableSize(); }
    std::unique_ptr<Printing::PageCanvas> OpenJob() override {
        if (m_beforeJob) {
            m_beforeJob(++m_jobs);
        }
        return m_printer.OpenJob();
    }

private:
    Printing::DefaultPrinterService m_printer;
    std::function<void(int)>& m_beforeJob;
    int m_jobs = 0;
};

bool SpoolImmutable(bool immutable) {
    const QString spool = CupsHarness::Current().base + QStringLiteral("/spool");
    // The immutable attribute stops the scheduler, which runs as root, too.
    const QString flag = immutable ? QStringLiteral("+i") : QStringLiteral("-i");
    return Admin("chattr", {flag, spool + "/tmp"}) && Admin("chattr", {flag, spool});
}

bool RemoveDefaultQueue() {
    return Admin("lpadmin", {"-x", DefaultQueue});
}

bool RestoreDefaultQueue() {
    const CupsHarness::Scheduler& scheduler = CupsHarness::Current();
    return Admin("lpadmin", {"-p", DefaultQueue, "-E", "-v", "capture:" + scheduler.captureDir,
                             "-P", scheduler.ppd}) &&
           Admin("lpadmin", {"-d", DefaultQueue});
}

struct Fault {
    const char* name;
    std::function<bool()> cause;
    std::function<bool()> mend;
    int beforeJob; // caused before this job opens; 0: before the command
    bool dialogShown;
    int printed;         // jobs that reached the printer before the failure
    const char* message; // part of the error box's text
};

const Fault Faults[] = {
    {"NoDefaultPrinter", RemoveDefaultQueue, RestoreDefaultQueue, 0, false, 0,
     "There is no default printer currently selected."},
    {"QueueRejectingJobs", [] { return Admin("cupsreject", {DefaultQueue}); },
     [] { return Admin("cupsaccept", {DefaultQueue}); }, 0, true, 0, "not accepting jobs"},
    // The scheduler answers with a bare "Request Entity Too Large", which
    // would tell the examiner that a one-page report was too large.
    {"SpoolFolderUnwritable", [] { return SpoolImmutable(true); },
     [] { return SpoolImmutable(false); }, 0, true, 0, "spool folder"},
    {"SchedulerStoppedBetweenTheJobs", CupsHarness::StopScheduler, CupsHarness::RestartScheduler, 2,
     true, 1, ""},
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

class PrintFaults : public ::testing::TestWithParam<Fault> {
protected:
    void SetUp() override {
        if (!CupsHarness::Current().Running()) {
            GTEST_SKIP() << "no private print scheduler: "
                         << CupsHarness::Current().skipReason.toStdString();
        }
        for (std::uint8_t factor = 1; factor <= 10; ++factor) {
            InmBearb::EnterScore(factor, " ");
        }
        m_program =
            std::make_unique<TDentiplotProgram>(std::make_unique<HookedPrinter>(m_beforeJob));
        TForm1& form = m_program->Form1();
        form.show();
        const QString scores = "2123120111";
        for (int i = 0; i < 10; ++i) {
            form.findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(i + 1))
                ->setText(scores.mid(i, 1));
        }
        // The advice window once, so that its text is on screen.
        Click("SpeedButton5", [](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        m_before = Screen();
        ASSERT_FALSE(m_program->Advice().Lines().isEmpty());
    }

    void TearDown() override {
        m_beforeJob = nullptr;
        if (CupsHarness::Current().Running()) {
            Admin("cupsenable", {DefaultQueue});
            Admin("cancel", {"-a", DefaultQueue});
        }
    }

    // Clicks a toolbar button of the main window. Message boxes that open
    // meanwhile are recorded and closed; any other modal goes to `answer`.
    void Click(const char* button, const std::function<void(QWidget*)>& answer) {
        m_boxes.clear();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                m_boxes << box->text();
                EXPECT_EQ(box->windowTitle(), "Dentiplot");
                EXPECT_EQ(box->icon(), QMessageBox::Critical);
                box->done(QMessageBox::Ok);
            } else if (modal != nullptr && modal->isVisible()) {
                answer(modal);
            }
        });
        poll.start(0);
        auto* toolButton = m_program->Form1().findChild<QToolButton*>(button);
        ASSERT_TRUE(toolButton != nullptr && toolButton->isEnabled()) << button;
        toolButton->click();
        QApplication::processEvents();
    }

    // Prints report and advice; true when the options dialog showed.
    bool Print() {
        bool shown = false;
        Click("SpeedButton7", [&](QWidget* modal) {
            shown = true;
            static_cast<TPrintDlg&>(*modal).OKBtn->click();
        });
        return shown;
    }

    // What the user sees of the assessment: scores, chart and advice.
    QStringList Screen() {
        TForm1& form = m_program->Form1();
        QStringList screen;
        for (const QString& score : form.ScoreTexts()) {
            screen << score;
        }
        const auto& pie = form.findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"))->PieData();
        for (int i = 0; i < pie.Count(); ++i) {
            screen << pie.Text(i);
        }
        return screen << m_program->Advice().Lines();
    }

    QStringList m_boxes;
    std::function<void(int)> m_beforeJob;
    std::unique_ptr<TDentiplotProgram> m_program;
    QStringList m_before;
};

TEST_P(PrintFaults, ReportedOnceAndMendedPrintingWorksAgain) {
    const Fault& fault = GetParam();
    const int mark = CupsHarness::LastJobId();
    bool caused = false;
    m_beforeJob = [&](int job) {
        if (job == fault.beforeJob) {
            // What went before has reached the printer.
            for (const Job& printed : CupsHarness::Jobs(mark)) {
                CupsHarness::WaitForDocument(printed.id);
            }
            caused = fault.cause();
        }
    };
    if (fault.beforeJob == 0) {
        caused = fault.cause();
    }
    const bool dialogShown = Print();
    m_beforeJob = nullptr;
    const bool mended = fault.mend();
    ASSERT_TRUE(caused && mended);

    ASSERT_EQ(m_boxes.size(), 1);
    EXPECT_TRUE(m_boxes[0].contains(fault.message)) << m_boxes[0].toStdString();
    EXPECT_TRUE(m_boxes[0].endsWith('.')) << m_boxes[0].toStdString();
    EXPECT_EQ(dialogShown, fault.dialogShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Screen(), m_before);
    // The jobs before the failure printed; nothing of the failed command is
    // left waiting to print.
    const std::vector<Job> jobs = CupsHarness::Jobs(mark);
    ASSERT_GE(jobs.size(), static_cast<std::size_t>(fault.printed));
    for (int i = 0; i < fault.printed; ++i) {
        EXPECT_FALSE(CupsHarness::WaitForDocument(jobs[i].id).isEmpty());
    }
    for (const Job& job : jobs) {
        EXPECT_FALSE(job.pending) << job.id;
    }

    const int again = CupsHarness::LastJobId();
    EXPECT_TRUE(Print());
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join("; ").toStdString();
    const std::vector<Job> printed = CupsHarness::Jobs(again);
    ASSERT_EQ(printed.size(), 2u);
    for (const Job& job : printed) {
        EXPECT_FALSE(CupsHarness::WaitForDocument(job.id).isEmpty()) << job.id;
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, PrintFaults, ::testing::ValuesIn(Faults),
                         [](const auto& info) { return std::string(info.param.name); });

// A stopped queue takes the jobs and holds them: nothing failed, so no error
// box; both jobs wait in the queue and print once it is started.
TEST_F(PrintFaults, StoppedQueueKeepsTheJobsWithoutReportingAFailure) {
    ASSERT_TRUE(Admin("cupsdisable", {DefaultQueue}));
    const int mark = CupsHarness::LastJobId();
    Print();
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join("; ").toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const std::vector<Job> jobs = CupsHarness::Jobs(mark);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_TRUE(jobs[0].pending && jobs[1].pending);
    ASSERT_TRUE(Admin("cupsenable", {DefaultQueue}));
    for (const Job& job : jobs) {
        EXPECT_FALSE(CupsHarness::WaitForDocument(job.id).isEmpty()) << job.id;
    }
}

} // namespace
