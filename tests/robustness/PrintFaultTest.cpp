// The Print command of the running program against a private print scheduler
// that goes wrong: no default printer, the queue refusing jobs, the spool
// folder unwritable, the scheduler stopping between the report and the
// advice page. Each failure reaches the user once in the standard error box,
// the assessment on screen survives it, and printing works again once the
// fault is gone. A stopped queue is no failure: the print system keeps the
// jobs and prints them when the queue starts again.

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "model/InmBearb.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/printing/CupsHarness.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
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

// The immutable attribute keeps out the scheduler, which runs as root, too.
bool SpoolImmutable(const QString& flag) {
    const QString spool = CupsHarness::Current().base + QStringLiteral("/spool");
    return Admin("chattr", {flag, spool + "/tmp"}) && Admin("chattr", {flag, spool});
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
    {"NoDefaultPrinter",
     [] {
         return Admin("lpadmin", {"-x", DefaultQueue});
     },
     [] {
         const CupsHarness::Scheduler& scheduler = CupsHarness::Current();
         return Admin("lpadmin", {"-p", DefaultQueue, "-E", "-v", "capture:" + scheduler.captureDir,
                                  "-P", scheduler.ppd}) &&
                Admin("lpadmin", {"-d", DefaultQueue});
     },
     0, false, 0, "There is no default printer currently selected."},
    {"QueueRejectingJobs", [] { return Admin("cupsreject", {DefaultQueue}); },
     [] { return Admin("cupsaccept", {DefaultQueue}); }, 0, true, 0, "not accepting jobs"},
    // The scheduler answers with a bare "Request Entity Too Large", which
    // would tell the examiner that a one-page report was too large.
    {"SpoolFolderUnwritable", [] { return SpoolImmutable("+i"); },
     [] { return SpoolImmutable("-i"); }, 0, true, 0, "spool folder"},
    {"SchedulerStoppedBetweenTheJobs", CupsHarness::StopScheduler, CupsHarness::RestartScheduler, 2,
     true, 1, ""},
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

// Whether every one of `jobs` reached the printer.
bool Stored(const std::vector<Job>& jobs) {
    return std::all_of(jobs.begin(), jobs.end(), [](const Job& job) {
        return !CupsHarness::WaitForDocument(job.id).isEmpty();
    });
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
        m_program->Form1().show();
        for (int i = 0; i < 10; ++i) {
            m_program->Form1()
                .findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(i + 1))
                ->setText(QString("2123120111").mid(i, 1));
        }
        m_scores = m_program->Form1().ScoreTexts();
    }

    void TearDown() override {
        m_beforeJob = nullptr;
        if (CupsHarness::Current().Running()) {
            Admin("cupsenable", {DefaultQueue});
            Admin("cancel", {"-a", DefaultQueue});
        }
    }

    // Prints report and advice, answering the options dialog with OK; true
    // when it showed. The error boxes' texts go to m_boxes.
    bool Print() {
        bool shown = false;
        const ModalCloser closer([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                EXPECT_EQ(box->windowTitle(), "Dentiplot");
                EXPECT_EQ(box->icon(), QMessageBox::Critical);
                box->done(QMessageBox::Ok);
            } else {
                shown = true;
                static_cast<TPrintDlg&>(*modal).OKBtn->click();
            }
        });
        m_program->Form1().findChild<QToolButton*>("SpeedButton7")->click();
        m_boxes = closer.Texts();
        return shown;
    }

    QStringList m_boxes;
    std::function<void(int)> m_beforeJob;
    std::unique_ptr<TDentiplotProgram> m_program;
    std::array<QString, InmBearb::RiskModel::FactorCount> m_scores;
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
    EXPECT_EQ(m_program->Form1().ScoreTexts(), m_scores);
    // The jobs before the failure printed; nothing of the failed command is
    // left waiting to print.
    const std::vector<Job> jobs = CupsHarness::Jobs(mark);
    ASSERT_GE(jobs.size(), static_cast<std::size_t>(fault.printed));
    EXPECT_TRUE(Stored({jobs.begin(), jobs.begin() + fault.printed}));
    EXPECT_TRUE(std::none_of(jobs.begin(), jobs.end(), [](const Job& job) { return job.pending; }));

    const int again = CupsHarness::LastJobId();
    EXPECT_TRUE(Print());
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join("; ").toStdString();
    EXPECT_EQ(CupsHarness::Jobs(again).size(), 2u);
    EXPECT_TRUE(Stored(CupsHarness::Jobs(again)));
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
    EXPECT_TRUE(Stored(jobs));
}

} // namespace
