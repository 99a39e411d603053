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
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace Printing;

// One pixel per page unit, so positions read as the layout gives them. The
// jobs' lines go to `printed` as each job is let go of; a job left open
// shows as "unended".
class RecordingService final : public PrintService {
public:
    QSize PrintableSize() override {
        if (!missing.isEmpty()) {
            throw std::runtime_error(missing.toStdString());
        }
        return {12000, 17220};
    }
    std::unique_ptr<PageCanvas> OpenJob() override {
        auto job = std::make_unique<KeptJob>(printed);
        if (refuseReportPage) {
            job->FailAt("text", 2, "The printer refused a page");
        }
        return job;
    }

    QString missing; // message of a missing printer, when set
    bool refuseReportPage = false;
    QStringList printed;

private:
    class KeptJob final : public RecordingCanvas {
    public:
        explicit KeptJob(QStringList& printed)
            : RecordingCanvas({12000, 17220}), printed_(printed) {}
        ~KeptJob() override { printed_ << Lines() << (DocumentOpen() ? "unended" : ""); }

    private:
        QStringList& printed_;
    };
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
        input.buildAdvice = [this] { advice = QStringList{"Fresh advice", " ", "Second line"}; };
        input.adviceLines = [this] { return advice; };
    }

    // Runs the command; `answer` fills in the dialog when it shows. The lines
    // of the jobs' titles, and of the dialog showing with the advice as it
    // stood then, in the order they came.
    QStringList Run(const std::function<void(TPrintDlg&)>& answer) {
        service.printed.clear();
        const ModalCloser closer([&](QWidget* modal) {
            service.printed << "dialog, advice: " + advice.front();
            answer(static_cast<TPrintDlg&>(*modal));
        });
        RunPrintCommand(dialog, input, service);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        return service.printed.filter(QRegularExpression("^(begin|dialog|unended)"));
    }

    TPrintDlg dialog;
    RecordingService service;
    PrintCommandInput input;
    QStringList advice{"stale advice"};
};

const QString Shown = "dialog, advice: Fresh advice";
const QString Report = "begin Dentiplot";
const QString Advice = "begin Dentiplot - Preliminary interpretation and proposed measures";

// Each way of closing the dialog, and the jobs it sends: the report always
// before the advice, which is refilled before the dialog in every case.
TEST_F(PrintCommandTest, TheDialogsChoicesDecideTheJobs) {
    const std::tuple<bool, bool, bool, QStringList> cases[] = {
        {true, true, true, {Shown, Report, Advice}},
        {true, false, true, {Shown, Report}},
        {false, true, true, {Shown, Advice}},
        {false, false, true, {Shown}},
        {true, true, false, {Shown}}};
    for (const auto& [report, withAdvice, ok, jobs] : cases) {
        advice = QStringList{"stale advice"};
        const QStringList printed = Run([&](TPrintDlg& shown) {
            shown.SetPrintReportChosen(report);
            shown.SetPrintAdviceChosen(withAdvice);
            (ok ? shown.OKBtn : shown.CancelBtn)->click();
        });
        EXPECT_EQ(printed.join(" | ").toStdString(), jobs.join(" | ").toStdString());
    }
}

// The report carries the input's texts, scores and shares; the advice page
// the notes and the freshly built advice.
TEST_F(PrintCommandTest, ThePrintoutsCarryTheInput) {
    Run([](TPrintDlg& shown) { shown.OKBtn->click(); });
    for (const char* line :
         {"text 0 R10 10751,1620 Standard set", "text 0 R10 10745,1920 Low risk",
          "text 0 R10 2714,2465 2026-12-06", "text 0 R10 2714,2865 Dr. Smith",
          "text 0 R10 1280,8670 first comment", "text 0 R10 11463,6272  ",
          "text 0 R10 3764,5170 7 %", "text 0 R10 3660,5645 20 %", "text 0 R10 3660,6120 25 %",
          "text 0 R10 3660,6595 18 %", "text 0 R10 9390,568 2026-12-06",
          "text 0 R10 9390,798 Dr. Smith", "text 0 R12 1740,1120 Fresh advice"}) {
        EXPECT_TRUE(service.printed.contains(line)) << line;
    }
}

// A failure before the dialog ends the command there, the advice untouched
// when the printer is missing; a refused report page ends the command before
// the advice job. The error goes on to the caller; the cursor is restored.
TEST_F(PrintCommandTest, FailuresEndTheCommandWhereTheyHappen) {
    const char* const unreadable = "'x' is not a valid integer value";
    const std::tuple<const char*, std::function<void()>, QStringList> cases[] = {
        {"no printer", [this] { service.missing = "no printer"; }, {}},
        {unreadable,
         [&] { input.buildAdvice = [&] { throw std::runtime_error(unreadable); }; },
         {}},
        {"The printer refused a page",
         [this] { service.refuseReportPage = true; },
         {Shown, Report}},
    };
    const auto buildAdvice = input.buildAdvice;
    for (const auto& [message, arrange, lines] : cases) {
        service.missing.clear();
        service.refuseReportPage = false;
        input.buildAdvice = buildAdvice;
        advice = QStringList{"stale advice"};
        arrange();
        try {
            Run([](TPrintDlg& shown) { shown.OKBtn->click(); });
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), message);
        }
        EXPECT_EQ(service.printed.filter(QRegularExpression("^(begin|dialog|unended)")), lines);
        EXPECT_EQ(advice.front(), lines.isEmpty() ? "stale advice" : "Fresh advice");
    }
}

// Both printouts in black and white at first; the colour choice is read when
// printing starts, and the dialog keeps it into the next command, after a Cancel too.
TEST_F(PrintCommandTest, ColourIsReadWhenPrintingStartsAndKept) {
    EXPECT_TRUE(dialog.PrintReportChosen() && dialog.PrintAdviceChosen() && !dialog.ColourChosen());
    const auto chanceFill = [this] {
        return service.printed.filter("pie ").value(0).section(' ', 2, 2);
    };
    Run([](TPrintDlg& shown) {
        shown.RadioButton2->click();
        shown.CancelBtn->click();
    });
    EXPECT_EQ(chanceFill(), "");
    Run([](TPrintDlg& shown) { shown.OKBtn->click(); });
    EXPECT_EQ(chanceFill(), "#64a932");
    Run([](TPrintDlg& shown) {
        shown.RadioButton1->click();
        shown.OKBtn->click();
    });
    EXPECT_EQ(chanceFill(), "none");
}

} // namespace
