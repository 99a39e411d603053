// The Print command of the running program against a private print scheduler
// that goes wrong: the scheduler stops between the report and the advice
// page, the queue is stopped, the queue refuses jobs, the scheduler cannot
// write its spool folder. A failure must reach the user in the standard error
// box; the assessment on screen must survive it untouched, and the next
// command must work again once the fault is gone. A stopped queue is no
// failure: the print system keeps the jobs and prints them when the queue is
// started again, so the program must not claim that anything went wrong.

#include "advice/Advicedl.h"
#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "model/InmBearb.h"
#include "notes/InputId.h"
#include "notes/TRECode.h"
#include "piechart/Pieflytt.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/printing/CupsHarness.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <cups/cups.h>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using CupsHarness::Admin;
using CupsHarness::DefaultQueue;
using CupsHarness::Job;

// The system's default printer, with a hook that runs just before each job
// is opened: the place to break the print system between two jobs.
class HookedPrinter final : public Printing::PrintService {
public:
    explicit HookedPrinter(std::function<void(int)>* beforeJob) : beforeJob_(beforeJob) {}
    QSize PrintableSize() override { return printer_.PrintableSize(); }
    std::unique_ptr<Printing::PageCanvas> OpenJob() override {
        ++jobs_;
        if (*beforeJob_) {
            (*beforeJob_)(jobs_);
        }
        return printer_.OpenJob();
    }

private:
    Printing::DefaultPrinterService printer_;
    std::function<void(int)>* beforeJob_;
    int jobs_ = 0;
};

// The scheduler's state file: shell assignments NAME='value'.
QString StatePath() {
    return qEnvironmentVariable("DENTIPLOT_CUPS_STATE");
}

QString StateValue(const QString& name) {
    QFile file(StatePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    const QRegularExpression assignment(QStringLiteral("^%1='(.*)'$").arg(name),
                                        QRegularExpression::MultilineOption);
    return assignment.match(QString::fromUtf8(file.readAll())).captured(1);
}

void SetStateValue(const QString& name, const QString& value) {
    QFile file(StatePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    text.replace(QRegularExpression(QStringLiteral("^%1='.*'$").arg(name),
                                    QRegularExpression::MultilineOption),
                 QStringLiteral("%1='%2'").arg(name, value));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
    file.write(text.toUtf8());
}

// Waits, up to `timeoutMs`, for the file at `path` to exist (or to be gone)
// by watching its folder.
bool WaitForFile(const QString& path, bool present, int timeoutMs = 20000) {
    const auto done = [&] { return QFileInfo::exists(path) == present; };
    if (done()) {
        return true;
    }
    QFileSystemWatcher watcher({QFileInfo(path).absolutePath()});
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    timeout.start(timeoutMs);
    if (!done()) {
        loop.exec();
    }
    return done();
}

// Stops the private scheduler: it removes its socket as it shuts down, and
// from then on nobody can reach it.
void StopScheduler() {
    const pid_t pid = StateValue(QStringLiteral("CUPSD_PID")).toInt();
    ASSERT_GT(pid, 0);
    ASSERT_EQ(kill(pid, SIGTERM), 0);
    ASSERT_TRUE(WaitForFile(CupsHarness::Current().server, false));
}

// Starts the scheduler again on its old configuration, queues and socket,
// and notes its process in the state file so the run's clean-up stops it.
void RestartScheduler() {
    const QString root = CupsHarness::Current().serverRoot;
    // Its output goes nowhere: a scheduler holding the test's own output
    // open would keep the test runner waiting for it.
    QProcess scheduler;
    scheduler.setProgram(QStringLiteral("/usr/sbin/cupsd"));
    scheduler.setArguments({QStringLiteral("-f"), QStringLiteral("-c"),
                            root + QStringLiteral("/cupsd.conf"), QStringLiteral("-s"),
                            root + QStringLiteral("/cups-files.conf")});
    scheduler.setStandardInputFile(QProcess::nullDevice());
    scheduler.setStandardOutputFile(QProcess::nullDevice());
    scheduler.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    ASSERT_TRUE(scheduler.startDetached(&pid));
    SetStateValue(QStringLiteral("CUPSD_PID"), QString::number(pid));
    ASSERT_TRUE(WaitForFile(CupsHarness::Current().server, true));
    // The socket exists before the scheduler answers on it.
    for (int tries = 0; tries < 200; ++tries) {
        QProcess status;
        status.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        status.waitForFinished(10000);
        if (status.readAllStandardOutput().contains("is running")) {
            return;
        }
    }
    FAIL() << "the scheduler did not come back";
}

// The job's state as the scheduler tells it.
ipp_jstate_t JobState(int id) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    ipp_jstate_t state = IPP_JSTATE_ABORTED;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id == id) {
            state = jobs[i].state;
        }
    }
    cupsFreeJobs(count, jobs);
    return state;
}

// Makes a folder unwritable even for the scheduler, which runs as root: the
// immutable attribute stops root too. Undone when the guard goes.
class ImmutableFolder {
public:
    explicit ImmutableFolder(QString path) : path_(std::move(path)) {
        set_ = Admin(QStringLiteral("chattr"), {QStringLiteral("+i"), path_});
    }
    ~ImmutableFolder() {
        if (set_) {
            Admin(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        }
    }
    ImmutableFolder(const ImmutableFolder&) = delete;
    ImmutableFolder& operator=(const ImmutableFolder&) = delete;
    bool Set() const { return set_; }

private:
    QString path_;
    bool set_ = false;
};

// What the user sees of the assessment: scores, selectors, chart, notes
// labels and the advice text.
struct Screen {
    std::array<QString, 10> scores;
    QStringList pie;
    bool chartShown = false;
    std::array<QString, 4> labels;
    QString name;
    QStringList comment;
    QStringList advice;
    bool operator==(const Screen&) const = default;
};

class PrintFaults : public ::testing::Test {
protected:
    void SetUp() override {
        const CupsHarness::Scheduler& scheduler = CupsHarness::Current();
        if (!scheduler.Running()) {
            GTEST_SKIP() << "no private print scheduler: " << scheduler.skipReason.toStdString();
        }
        for (std::uint8_t factor = 1; factor <= 10; ++factor) {
            InmBearb::EnterScore(factor, " ");
        }
        program_ =
            std::make_unique<TDentiplotProgram>(std::make_unique<HookedPrinter>(&beforeJob_));
        TForm1& form = program_->Form1();
        form.show();
        QApplication::processEvents();

        const QStringList scores = {"2", "1", "2", "3", "1", "2", "0", "1", "1", "1"};
        for (int i = 0; i < 10; ++i) {
            form.findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(i + 1))->setText(scores[i]);
        }
        // Notes through the Notes command, as the examiner writes them.
        Answer([](QWidget* modal) {
            auto& notes = static_cast<TPatientIdent&>(*modal);
            notes.Edit1->setText(QStringLiteral("Jane Doe"));
            notes.Edit2->setText(QStringLiteral("19700101-1234"));
            notes.Edit3->setText(QStringLiteral("2026-12-06"));
            notes.Edit4->setText(QStringLiteral("Dr Smith"));
            notes.SRichEdit1->setPlainText(QStringLiteral("Bleeding gums.\nRecall in 3 months."));
            notes.OKBtn->click();
        });
        Click(QStringLiteral("SpeedButton8"));
        // The advice window once, so its text is on screen to compare.
        Answer([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        Click(QStringLiteral("SpeedButton5"));
        before_ = Look();
        ASSERT_TRUE(before_.chartShown);
        ASSERT_FALSE(before_.advice.isEmpty());
        ASSERT_EQ(before_.labels[0], QStringLiteral("Jane Doe"));
    }

    void TearDown() override {
        beforeJob_ = nullptr;
        if (!CupsHarness::Current().Running()) {
            return;
        }
        // Whatever a test broke, the next one finds the queue as it was.
        if (!QFileInfo::exists(CupsHarness::Current().server)) {
            RestartScheduler();
        }
        Admin(QStringLiteral("cupsenable"), {DefaultQueue});
        Admin(QStringLiteral("cupsaccept"), {DefaultQueue});
        Admin(QStringLiteral("cancel"), {QStringLiteral("-a"), DefaultQueue});
        program_.reset();
    }

    void Answer(std::function<void(QWidget*)> answer) { answer_ = std::move(answer); }

    // Clicks a toolbar button of the main window. Every modal window that
    // opens meanwhile is answered: message boxes are recorded and closed,
    // anything else goes to the answer set before.
    void Click(const QString& button) {
        boxes_.clear();
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible()) {
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes_.push_back({box->windowTitle(), box->text(), box->icon()});
                box->done(QMessageBox::Ok);
            } else if (answer_) {
                answer_(modal);
            } else {
                modal->close();
            }
        });
        poll.start();
        auto* toolButton = program_->Form1().findChild<QToolButton*>(button);
        ASSERT_NE(toolButton, nullptr);
        ASSERT_TRUE(toolButton->isEnabled()) << button.toStdString();
        toolButton->click();
        QApplication::processEvents();
        answer_ = nullptr;
    }

    // Prints report and advice, answering the options dialog with OK.
    void Print() {
        Answer([](QWidget* modal) {
            auto& dialog = static_cast<TPrintDlg&>(*modal);
            dialog.SetPrintReportChosen(true);
            dialog.SetPrintAdviceChosen(true);
            dialog.OKBtn->click();
        });
        Click(QStringLiteral("SpeedButton7"));
    }

    Screen Look() {
        TForm1& form = program_->Form1();
        Screen screen;
        screen.scores = form.ScoreTexts();
        const auto& data = form.findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"))->PieData();
        for (int i = 0; i < data.Count(); ++i) {
            screen.pie << data.Text(i);
        }
        screen.chartShown = form.findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"))->isVisible();
        for (int i = 0; i < 4; ++i) {
            screen.labels[i] =
                form.findChild<QLabel*>(QStringLiteral("Label%1").arg(33 + i))->text();
        }
        screen.name = form.Notes().name;
        screen.comment = form.Notes().lines;
        screen.advice = program_->Advice().Lines();
        return screen;
    }

    // Jobs the scheduler was given after job `mark`.
    static std::vector<Job> JobsAfter(int mark) {
        std::vector<Job> jobs = CupsHarness::Jobs();
        std::erase_if(jobs, [mark](const Job& job) { return job.id <= mark; });
        return jobs;
    }

    // The failure reached the user once, in the standard error box, and the
    // command left nothing behind: no busy cursor, the assessment unchanged.
    void ExpectReportedFailure(const char* what) {
        ASSERT_EQ(boxes_.size(), 1u) << what;
        EXPECT_EQ(boxes_[0].title, QStringLiteral("Dentiplot")) << what;
        EXPECT_EQ(boxes_[0].icon, QMessageBox::Critical) << what;
        EXPECT_TRUE(boxes_[0].text.endsWith(QLatin1Char('.'))) << what;
        std::cout << what << ": the error box says " << boxes_[0].text.toStdString() << std::endl;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << what;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << what;
        EXPECT_TRUE(Look() == before_) << what << ": the assessment on screen changed";
    }

    // After the fault is gone, printing works again: two jobs, no message.
    void ExpectPrintingWorks() {
        const int mark = CupsHarness::LastJobId();
        Print();
        EXPECT_TRUE(boxes_.empty())
            << "printing after the fault: " << (boxes_.empty() ? "" : boxes_[0].text.toStdString());
        const std::vector<Job> jobs = JobsAfter(mark);
        ASSERT_EQ(jobs.size(), 2u);
        for (const Job& job : jobs) {
            EXPECT_FALSE(CupsHarness::WaitForDocument(job.id).isEmpty()) << job.id;
        }
        EXPECT_TRUE(Look() == before_);
    }

    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    std::vector<Box> boxes_;
    std::function<void(QWidget*)> answer_;
    std::function<void(int)> beforeJob_;
    std::unique_ptr<TDentiplotProgram> program_;
    Screen before_;
};

TEST_F(PrintFaults, SchedulerStoppingBetweenTheJobsEndsTheCommandWithAnError) {
    const int mark = CupsHarness::LastJobId();
    int reportJob = 0;
    QString reportDocument;
    // The report has gone through when the advice job opens: note it while
    // the scheduler still answers, then stop the scheduler.
    beforeJob_ = [&](int job) {
        if (job == 2) {
            reportJob = CupsHarness::LastJobId();
            reportDocument = CupsHarness::WaitForDocument(reportJob);
            StopScheduler();
        }
    };
    Print();
    beforeJob_ = nullptr;
    ExpectReportedFailure("scheduler stopped");
    EXPECT_GT(reportJob, mark);
    EXPECT_FALSE(reportDocument.isEmpty());

    RestartScheduler();
    // The advice never reached the scheduler.
    EXPECT_TRUE(JobsAfter(reportJob).empty());
    ExpectPrintingWorks();
}

TEST_F(PrintFaults, QueueRefusingJobsIsReported) {
    ASSERT_TRUE(Admin(QStringLiteral("cupsreject"), {DefaultQueue}));
    const int mark = CupsHarness::LastJobId();
    Print();
    ExpectReportedFailure("queue rejecting jobs");
    EXPECT_TRUE(boxes_[0].text.contains(QStringLiteral("not accepting jobs")));
    // Neither job got in: the advice is not attempted after the report failed.
    EXPECT_TRUE(JobsAfter(mark).empty());
    ASSERT_TRUE(Admin(QStringLiteral("cupsaccept"), {DefaultQueue}));
    ExpectPrintingWorks();
}

TEST_F(PrintFaults, UnwritableSpoolFolderIsReported) {
    const QString spool = StateValue(QStringLiteral("CUPS_BASE")) + QStringLiteral("/spool");
    {
        const ImmutableFolder tmp(spool + QStringLiteral("/tmp"));
        const ImmutableFolder folder(spool);
        if (!tmp.Set() || !folder.Set()) {
            GTEST_SKIP() << "this file system cannot make the spool folder immutable";
        }
        const int mark = CupsHarness::LastJobId();
        Print();
        ExpectReportedFailure("spool folder unwritable");
        // Whatever the scheduler made of the refused document is not left
        // waiting to print.
        for (const Job& job : JobsAfter(mark)) {
            EXPECT_NE(JobState(job.id), IPP_JSTATE_PENDING) << job.id;
        }
    }
    ExpectPrintingWorks();
}

// The scheduler answers a document it cannot store with the bare HTTP status
// "Request Entity Too Large"; shown as it is, the examiner would read that a
// one-page report was too large. The message says that the print system could
// not store the job instead.
TEST_F(PrintFaults, UnwritableSpoolFolderIsReportedInPlainWords) {
    const QString spool = StateValue(QStringLiteral("CUPS_BASE")) + QStringLiteral("/spool");
    const ImmutableFolder tmp(spool + QStringLiteral("/tmp"));
    const ImmutableFolder folder(spool);
    if (!tmp.Set() || !folder.Set()) {
        GTEST_SKIP() << "this file system cannot make the spool folder immutable";
    }
    Print();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_FALSE(boxes_[0].text.contains(QStringLiteral("Too Large")));
    EXPECT_TRUE(boxes_[0].text.contains(QStringLiteral("spool folder")))
        << boxes_[0].text.toStdString();
}

// A stopped queue takes the jobs and holds them: nothing failed, so no error
// box; both jobs wait in the queue and print once it is started.
TEST_F(PrintFaults, StoppedQueueKeepsTheJobsWithoutReportingAFailure) {
    ASSERT_TRUE(Admin(QStringLiteral("cupsdisable"), {DefaultQueue}));
    const int mark = CupsHarness::LastJobId();
    Print();
    EXPECT_TRUE(boxes_.empty()) << boxes_[0].text.toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Look() == before_);
    const std::vector<Job> jobs = JobsAfter(mark);
    ASSERT_EQ(jobs.size(), 2u);
    for (const Job& job : jobs) {
        EXPECT_EQ(JobState(job.id), IPP_JSTATE_PENDING) << job.id;
    }
    ASSERT_TRUE(Admin(QStringLiteral("cupsenable"), {DefaultQueue}));
    for (const Job& job : jobs) {
        EXPECT_FALSE(CupsHarness::WaitForDocument(job.id).isEmpty()) << job.id;
    }
}

} // namespace
