// The Print command end to end against a private scheduler whose queues
// store each job's PDF, read back with poppler's tools: the printouts on each
// queue's own paper, printable area and resolution, and the print system
// failing (each reported once, printing working again once mended).

#include "printing/PageScale.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/printing/CupsHarness.h"
#include "tests/sample/SampleAssessment.h"
#include "tests/support/ModalCloser.h"

#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace Printing;
using namespace CupsHarness;

// The default printer, with a hook run before each job opens: the place to
// break the print system between two jobs.
class HookedPrinter final : public PrintService {
public:
    QSize PrintableSize() override { return printer_.PrintableSize(); }
    std::unique_ptr<PageCanvas> OpenJob() override {
        if (beforeJob) {
            beforeJob(++jobs_);
        }
        return printer_.OpenJob();
    }
    std::function<void(int)> beforeJob;

private:
    DefaultPrinterService printer_;
    int jobs_ = 0;
};

class Scheduler : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Current().Running()) {
            GTEST_SKIP() << Current().skipReason.toStdString();
        }
        SampleAssessment::EnterScores(input, "2212121121", QStringLiteral("High risk"));
        // 26 comment lines: the report takes a second page.
        input.notes = {"Jane", "19700101-1234", "2026-12-06", "Smith", QStringList(26, "line")};
        input.adviceLines = [] { return QStringList{"Freshadvice", " ", "Secondline"}; };
    }
    void TearDown() override {
        if (Current().Running()) {
            Admin("lpadmin", {"-d", DefaultQueue});
        }
    }

    // Runs the command, answering the dialog with OK; the error, if any.
    QString Print(bool colour = false) {
        const ModalCloser closer([&](QWidget* modal) {
            auto& shown = static_cast<TPrintDlg&>(*modal);
            (colour ? shown.RadioButton2 : shown.RadioButton1)->click();
            shown.OKBtn->click();
            dialogShown = true;
        });
        dialogShown = false;
        try {
            RunPrintCommand(dialog, input, printer);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return {};
    }

    PrintCommandInput input;
    TPrintDlg dialog;
    HookedPrinter printer;
    bool dialogShown = false;
};

// A queue, its printer description's default paper, printable area (points
// from the paper's corner) and resolution, and the colour mode chosen for it.
struct Queue {
    QString name;
    QSizeF paper;
    QRectF printable;
    int dpi = 0;
    bool colour = false;
};

const Queue Queues[] = {
    // A4 with 5 mm margins; the document's page box holds it in whole points.
    {"dentiplot", {595.28, 841.89}, {14.17, 14.17, 566.93, 813.54}, 600, true},
    {"dentiplot-letter", {612, 792}, {18, 25, 558, 747}, 300, false},
    // Several papers and resolutions; the defaults are neither listed first.
    {"dentiplot-multi", {612, 1008}, {30, 36, 564, 948}, 360, true},
    // Describes nothing: a whole A4 sheet at the fallback resolution.
    {"dentiplot-raw", {595.28, 841.89}, {0, 0, 595.28, 841.89}, 300, false},
};

void PrintTo(const Queue& queue, std::ostream* out) {
    *out << queue.name.toStdString();
}

class OnEachQueue : public Scheduler, public ::testing::WithParamInterface<Queue> {};

// Two jobs (the report's two pages, the advice page) on the queue's paper,
// inked only inside its printable area, in colour when chosen; words at their
// places in the printer's pixels; the table's frame 6 pixels wide.
TEST_P(OnEachQueue, PrintoutsOnTheQueuesPaperInItsPixels) {
    const Queue& queue = GetParam();
    ASSERT_TRUE(Admin("lpadmin", {"-d", queue.name}));
    const int mark = LastJobId();
    EXPECT_EQ(Print(queue.colour), "");
    const std::vector<Job> jobs = Jobs(mark);
    ASSERT_EQ(jobs.size(), 2u);
    QString documents[2];
    for (int job = 0; job < 2; ++job) {
        EXPECT_EQ(jobs[job].destination, queue.name);
        documents[job] = WaitForDocument(jobs[job].id);
        ASSERT_FALSE(documents[job].isEmpty()) << "job " << job << " was never stored";
        const std::vector<QSizeF> pages = PagesOf(documents[job]);
        EXPECT_EQ(pages.size(), job == 0 ? 2u : 1u);
        for (int page = 0; page < int(pages.size()); ++page) {
            SCOPED_TRACE(::testing::Message() << "job " << job << " page " << page);
            EXPECT_NEAR(pages[page].width(), queue.paper.width(), 0.5);
            EXPECT_NEAR(pages[page].height(), queue.paper.height(), 0.5);
            // Dark pixels at 72 dpi outside the printable area (a point of slack
            // for the smoothing), and pixels in the chance sector's green.
            const QImage picture = RenderPage(documents[job], page, 72);
            int outside = 0;
            int green = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const QRgb pixel = picture.pixel(x, y);
                    outside += qGray(pixel) < 250 &&
                               !queue.printable.adjusted(-1, -1, 1, 1).contains(QRectF(x, y, 1, 1));
                    const int d = qAbs(qRed(pixel) - 100) + qAbs(qGreen(pixel) - 169) +
                                  qAbs(qBlue(pixel) - 50);
                    green += d < 20;
                }
            }
            EXPECT_FALSE(picture.isNull());
            EXPECT_EQ(outside, 0);
            EXPECT_EQ(green > 50, queue.colour && job == 0 && page == 0);
        }
    }

    const double pixelsPerPoint = queue.dpi / 72.0;
    const QPointF corner = queue.printable.topLeft() * pixelsPerPoint;
    const PageScale scale =
        PageScale::ForPrintableSize((queue.printable.size() * pixelsPerPoint).toSize());
    const std::tuple<QString, int, QPoint> expected[] = {
        {"Dentiplot", 0, scale.At(5000, 200)},
        {"Caries", 0, scale.At(9753, 3647)},
        {"Preliminary", 1, scale.At(1856, 130)},
    };
    for (const auto& [text, job, at] : expected) {
        const std::vector<Word> words = WordsOf(documents[job]);
        const auto word =
            std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.text == text; });
        ASSERT_NE(word, words.end()) << text.toStdString();
        const QPointF off = word->box.topLeft() * pixelsPerPoint - corner - at;
        EXPECT_TRUE(qAbs(off.x()) <= 2 && qAbs(off.y()) <= 2)
            << text.toStdString() << " off by " << off.x() << "," << off.y();
    }

    // Across the frame's left side at mid-height, on a picture at 1200 dpi.
    const QPointF side = (corner + scale.At(9643, 5410)) / pixelsPerPoint;
    const QImage across = RenderPage(documents[0], 0, 1200, QRectF(side.x() - 3, side.y(), 6, 0.1));
    ASSERT_FALSE(across.isNull());
    int dark = 0;
    for (int x = 0; x < across.width(); ++x) {
        dark += qGray(across.pixel(x, 0)) < 128;
    }
    EXPECT_NEAR(dark, 6 * 1200.0 / queue.dpi, 2.0);
}

INSTANTIATE_TEST_SUITE_P(Queues, OnEachQueue, ::testing::ValuesIn(Queues), [](const auto& info) {
    return QString(info.param.name).replace('-', '_').toStdString();
});

// A failure caused before job `beforeJob` opens (0: before the command) by a
// print system tool, chattr on the spool or a scheduler script, and mended
// (none: the default queue made again as at the start); the jobs of the
// command that still print, and part of the error (none: no failure).
struct Fault {
    const char* name;
    const char* cause;
    const char* mend;
    int beforeJob;
    int printed;
    const char* message;
};

const Fault Faults[] = {
    {"NoDefaultPrinter", "lpadmin -x dentiplot", "", 0, 0, "There is no default printer"},
    {"QueueRejectingJobs", "cupsreject dentiplot", "cupsaccept dentiplot", 0, 0, "not accepting"},
    // The immutable spool keeps out the scheduler, root too; its bare "Request
    // Entity Too Large" would call a one-page report too large.
    {"SpoolFolderUnwritable", "chattr +i", "chattr -i", 0, 0, "spool folder"},
    {"SchedulerStoppedBetweenTheJobs", "stop-cupsd.sh keep", "start-cupsd.sh again", 2, 1, ""},
    // The print system keeps the jobs and prints them when the queue starts again.
    {"StoppedQueueIsNoFailure", "cupsdisable dentiplot", "cupsenable dentiplot", 0, 2, nullptr},
};

bool Act(const char* line) {
    QStringList command = QString(line).split(' ', Qt::SkipEmptyParts);
    if (command.isEmpty()) {
        return Admin("lpadmin",
                     {"-p", DefaultQueue, "-E", "-v", "capture:" + StateValue("CAPTURE_DIR"), "-P",
                      StateValue("PPD")}) &&
               Admin("lpadmin", {"-d", DefaultQueue});
    }
    const QString program = command.takeFirst();
    if (program == "chattr") {
        return Admin(program, command << Current().base + "/spool/tmp") &&
               Admin(program, command.mid(0, 1) << Current().base + "/spool");
    }
    if (program.endsWith(".sh")) {
        return Admin("sh", QStringList{StateValue("SCRIPTS") + '/' + program,
                                       qEnvironmentVariable("DENTIPLOT_CUPS_STATE")} +
                               command);
    }
    return Admin(program, command);
}

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

class PrintFaults : public Scheduler, public ::testing::WithParamInterface<Fault> {};

TEST_P(PrintFaults, ReportedOnceAndMendedPrintingWorksAgain) {
    const Fault& fault = GetParam();
    const int mark = LastJobId();
    bool caused = fault.beforeJob == 0 && Act(fault.cause);
    printer.beforeJob = [&](int job) {
        if (job == fault.beforeJob) {
            WaitForDocument(LastJobId()); // what went before has reached the printer
            caused = Act(fault.cause);
        }
    };
    const QString error = Print();
    printer.beforeJob = nullptr;
    ASSERT_TRUE(caused);
    // Only a missing default printer ends the command before the dialog.
    EXPECT_EQ(dialogShown, *fault.mend != 0);
    EXPECT_EQ(error.isEmpty(), fault.message == nullptr) << error.toStdString();
    EXPECT_TRUE(error.contains(fault.message ? fault.message : "")) << error.toStdString();
    if (fault.message == nullptr) {
        const std::vector<Job> held = Jobs(mark);
        EXPECT_TRUE(held.size() == 2 && held[0].pending && held[1].pending);
    }
    ASSERT_TRUE(Act(fault.mend));
    // The jobs before the failure printed; nothing of the failed command waits;
    // the next command prints both jobs.
    const std::vector<Job> jobs = Jobs(mark);
    ASSERT_GE(jobs.size(), std::size_t(fault.printed));
    for (int i = 0; i < int(jobs.size()); ++i) {
        EXPECT_FALSE(i < fault.printed ? WaitForDocument(jobs[i].id).isEmpty()
                                       : Jobs(mark)[i].pending)
            << i;
    }
    const int again = LastJobId();
    EXPECT_EQ(Print(), "");
    ASSERT_EQ(Jobs(again).size(), 2u);
    for (const Job& job : Jobs(again)) {
        EXPECT_FALSE(WaitForDocument(job.id).isEmpty()) << job.id;
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, PrintFaults, ::testing::ValuesIn(Faults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
