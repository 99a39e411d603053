// The Print command's order of work, its choices and its failure paths, with
// a print service that keeps each job's recording instead of printing it.

#include "printing/PrintCommand.h"

#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/printing/RecordingCanvas.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace Printing;
using Kind = CanvasCall::Kind;

const QString ReportTitle = "Dentiplot";
const QString AdviceTitle = "Dentiplot - Preliminary interpretation and proposed measures";

// One pixel per page unit, so positions read as the layout gives them.
class RecordingService final : public PrintService {
public:
    QSize PrintableSize() override {
        ThrowIfMissing();
        return {12000, 17220};
    }
    std::unique_ptr<PageCanvas> OpenJob() override {
        ThrowIfMissing();
        auto job = std::make_unique<KeptJob>(jobs);
        if (refusePageOfJob == static_cast<int>(jobs.size())) {
            job->FailAt(Kind::Text, 2, "The printer refused a page");
        }
        return job;
    }

    QString missing; // message of a missing printer, when set
    int refusePageOfJob = -1;
    // Each job as the command left it, in the order the command let go of them.
    std::vector<RecordingCanvas> jobs;

private:
    class KeptJob final : public RecordingCanvas {
    public:
        explicit KeptJob(std::vector<RecordingCanvas>& kept)
            : RecordingCanvas({12000, 17220}), m_kept(kept) {}
        ~KeptJob() override { m_kept.push_back(*this); }

    private:
        std::vector<RecordingCanvas>& m_kept;
    };

    void ThrowIfMissing() const {
        if (!missing.isEmpty()) {
            throw std::runtime_error(missing.toStdString());
        }
    }
};

class PrintCommandTest : public ::testing::Test {
protected:
    PrintCommandTest() {
        const char scores[] = "1212121 21";
        for (int i = 0; i < 10; ++i) {
            input.scoreTexts[i] = QString(QLatin1Char(scores[i]));
        }
        input.shares = {30, 7, 20, 25, 18};
        input.countryAreaText = "Standard set";
        input.groupText = "Low risk";
        input.notes = {"Jane Doe", "19700101-1234", "2026-12-06", "Dr. Smith", {"first comment"}};
        input.buildAdvice = [this] {
            ++adviceBuilds;
            advice = QStringList{"Advice for the current scores", " ", "Second line"};
        };
        input.adviceLines = [this] { return advice; };
    }

    // Runs the command; `answer` fills in the dialog when it shows.
    void Run(const std::function<void(TPrintDlg&)>& answer) {
        service.jobs.clear();
        ModalCloser closer([&](QWidget* modal) {
            ++dialogsShown;
            answer(static_cast<TPrintDlg&>(*modal));
        });
        RunPrintCommand(dialog, input, service);
    }

    std::vector<QString> JobTitles() const {
        std::vector<QString> titles;
        for (const RecordingCanvas& job : service.jobs) {
            titles.push_back(job.Calls().front().text);
            EXPECT_FALSE(job.DocumentOpen()) << "a job was not ended";
        }
        return titles;
    }

    static void ExpectTextAt(const RecordingCanvas& job, const QString& text, QPoint at) {
        const auto call = job.FindText(text);
        ASSERT_TRUE(call.has_value()) << text.toStdString();
        EXPECT_EQ(call->points[0], at) << text.toStdString();
    }

    TPrintDlg dialog;
    RecordingService service;
    PrintCommandInput input;
    QStringList advice{"stale advice"};
    int adviceBuilds = 0;
    int dialogsShown = 0;
};

// Each way of closing the dialog, and the jobs it sends: the report always
// before the advice. The advice is refilled before the dialog in every case.
TEST_F(PrintCommandTest, TheDialogsChoicesDecideTheJobs) {
    struct Case {
        const char* name;
        bool report;
        bool advice;
        bool ok;
        std::vector<QString> jobs;
    };
    const Case cases[] = {
        {"both", true, true, true, {ReportTitle, AdviceTitle}},
        {"report only", true, false, true, {ReportTitle}},
        {"advice only", false, true, true, {AdviceTitle}},
        {"neither", false, false, true, {}},
        {"cancel", true, true, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        advice = QStringList{"stale advice"};
        adviceBuilds = dialogsShown = 0;
        Run([&](TPrintDlg& shown) {
            EXPECT_EQ(adviceBuilds, 1) << "the advice was not refilled before the dialog";
            shown.SetPrintReportChosen(c.report);
            shown.SetPrintAdviceChosen(c.advice);
            (c.ok ? shown.OKBtn : shown.CancelBtn)->click();
        });
        EXPECT_EQ(dialogsShown, 1);
        EXPECT_EQ(JobTitles(), c.jobs);
        EXPECT_EQ(advice.front(), "Advice for the current scores");
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// The report carries the input's texts, scores and shares; the advice page
// the notes and the freshly built advice.
TEST_F(PrintCommandTest, ThePrintoutsCarryTheInput) {
    Run([](TPrintDlg& shown) { shown.OKBtn->click(); });
    ASSERT_EQ(service.jobs.size(), 2u);
    const RecordingCanvas& report = service.jobs[0];
    ExpectTextAt(report, "Standard set", {10751, 1620});
    ExpectTextAt(report, "Low risk", {10745, 1920});
    ExpectTextAt(report, "2026-12-06", {2714, 2465});
    ExpectTextAt(report, "Dr. Smith", {2714, 2865});
    ExpectTextAt(report, "first comment", {1280, 8670});
    ExpectTextAt(report, " ", {11463, 6272});   // the empty eighth box
    ExpectTextAt(report, "7 %", {3764, 5170});  // diet's legend row
    ExpectTextAt(report, "20 %", {3660, 5645}); // bacteria's
    ExpectTextAt(report, "25 %", {3660, 6120}); // susceptibility's
    ExpectTextAt(report, "18 %", {3660, 6595}); // circumstances'
    const RecordingCanvas& advicePage = service.jobs[1];
    ExpectTextAt(advicePage, "2026-12-06", {9390, 568});
    ExpectTextAt(advicePage, "Dr. Smith", {9390, 798});
    ExpectTextAt(advicePage, "Advice for the current scores", {1740, 1120});
    EXPECT_FALSE(advicePage.FindText("stale advice"));
}

// A failure before the dialog ends the command there, the advice untouched
// when the printer is missing; a refused report page ends the command before
// the advice job. The error goes on to the caller; the cursor is restored.
TEST_F(PrintCommandTest, FailuresEndTheCommandWhereTheyHappen) {
    struct Case {
        const char* message;
        std::function<void()> arrange;
        int dialogs;
        int adviceBuilds;
        std::vector<QString> jobs;
    };
    const Case cases[] = {
        {"no printer", [this] { service.missing = "no printer"; }, 0, 0, {}},
        {"'x' is not a valid integer value",
         [this] {
             input.buildAdvice = [] {
                 throw std::runtime_error("'x' is not a valid integer value");
             };
         },
         0,
         0,
         {}},
        {"The printer refused a page",
         [this] { service.refusePageOfJob = 0; },
         1,
         1,
         {ReportTitle}},
    };
    const auto buildAdvice = input.buildAdvice;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        service.missing.clear();
        service.refusePageOfJob = -1;
        input.buildAdvice = buildAdvice;
        adviceBuilds = dialogsShown = 0;
        c.arrange();
        try {
            Run([](TPrintDlg& shown) { shown.OKBtn->click(); });
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_EQ(dialogsShown, c.dialogs);
        EXPECT_EQ(adviceBuilds, c.adviceBuilds);
        EXPECT_EQ(JobTitles(), c.jobs);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// The colour choice is read when printing starts, and the dialog keeps it
// into the next command, after a Cancel too.
TEST_F(PrintCommandTest, ColourIsReadWhenPrintingStartsAndKept) {
    const auto chanceFill = [this] {
        return service.jobs.empty() ? FillStyle::None
                                    : service.jobs[0].CallsOf(Kind::Pie).at(0).fill;
    };
    Run([](TPrintDlg& shown) {
        shown.RadioButton2->click();
        shown.CancelBtn->click();
    });
    EXPECT_TRUE(service.jobs.empty());
    Run([](TPrintDlg& shown) { shown.OKBtn->click(); });
    EXPECT_EQ(chanceFill(), FillStyle::Solid);
    Run([](TPrintDlg& shown) {
        shown.RadioButton1->click();
        shown.OKBtn->click();
    });
    EXPECT_EQ(chanceFill(), FillStyle::None);
}

} // namespace
