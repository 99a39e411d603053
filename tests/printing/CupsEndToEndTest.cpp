// The Print command end to end against a private scheduler (cups/) whose
// queues store each job's PDF, read back with poppler's tools: the printouts
// on each queue's own paper, printable area and resolution; the print system
// failing (each failure reported once, printing working again once mended);
// and the batch report holding what the Print command sends.

#include "advice/AdviceSelection.h"
#include "batch/BatchRun.h"
#include "model/InmBearb.h"
#include "printing/PageScale.h"
#include "printing/PdfCanvas.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/sample/SampleAssessment.h"
#include "tests/support/ModalCloser.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <stdexcept>

namespace {

using namespace Printing;

// A value of the scheduler's state file, shell assignments NAME='value'.
QString StateValue(const QString& name) {
    QFile file(qEnvironmentVariable("DENTIPLOT_CUPS_STATE", "/nonexistent"));
    file.open(QIODevice::ReadOnly);
    const QRegularExpression assignment("^" + name + "='(.*)'$",
                                        QRegularExpression::MultilineOption);
    return assignment.match(QString::fromUtf8(file.readAll())).captured(1);
}

// The print system is pointed at the private scheduler before anything
// prints; a personal or environment choice of printer would hide its default.
const QString Base = [] {
    for (const char* name : {"CUPS_SERVER", "CUPS_SERVERROOT"}) {
        qputenv(name, StateValue(name).toLocal8Bit());
    }
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    return StateValue("CUPS_BASE");
}();

// Runs a tool; what it wrote, or nothing when it failed.
std::optional<QByteArray> Tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

struct Job {
    int id = 0;
    QString destination;
    bool pending = false; // waiting in its queue
};

// The jobs the scheduler has been given after job `after`, oldest first.
std::vector<Job> Jobs(int after = 0) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> result;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id > after) {
            result.push_back(
                {jobs[i].id, QString::fromUtf8(jobs[i].dest), jobs[i].state == IPP_JSTATE_PENDING});
        }
    }
    cupsFreeJobs(count, jobs);
    std::sort(result.begin(), result.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return result;
}

int LastJobId() {
    const std::vector<Job> jobs = Jobs();
    return jobs.empty() ? 0 : jobs.back().id;
}

// The path of job `id`'s stored document, or an empty string after 30 s.
QString WaitForDocument(int id) {
    const QString path = QStringLiteral("%1/jobs/%2.pdf").arg(Base).arg(id);
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(path) && waited.elapsed() < 30000) {
        QThread::msleep(10);
    }
    return QFile::exists(path) ? path : QString();
}

struct Word {
    QString text;
    QRectF box; // in PDF points from the paper's top left
    bool operator==(const Word&) const = default;
};

void PrintTo(const Word& word, std::ostream* out) {
    *out << word.text.toStdString() << " at " << word.box.left() << "," << word.box.top();
}

struct Page {
    QSizeF paper; // in PDF points
    std::vector<Word> words;
};

// pdftotext's box listing: each page's paper and words.
std::vector<Page> PagesOf(const QString& pdfPath) {
    static const QRegularExpression element(
        R"x(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" )x"
        R"x(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x");
    std::vector<Page> pages;
    const QString listing = Tool("pdftotext", {"-bbox", pdfPath, "-"}).value_or("");
    for (auto it = element.globalMatch(listing); it.hasNext();) {
        const auto match = it.next();
        const auto at = [&](int i) { return match.captured(i).toDouble(); };
        if (match.capturedLength(1) > 0) {
            pages.push_back({{at(1), at(2)}, {}});
        } else {
            pages.back().words.push_back(
                {match.captured(7), QRectF(QPointF(at(3), at(4)), QPointF(at(5), at(6)))});
        }
    }
    return pages;
}

// One page (from 0) rasterised at `dpi`; only `area` of it (in PDF points
// from the paper's top left) when one is given.
QImage RenderPage(const QString& pdfPath, int page, int dpi, const QRectF& area = {}) {
    const QString number = QString::number(page + 1);
    const QRect pixels = QRectF(area.topLeft() * dpi / 72.0, area.size() * dpi / 72.0).toRect();
    QStringList arguments{"-r", QString::number(dpi), "-f", number, "-l", number, "-singlefile"};
    if (!area.isEmpty()) {
        arguments << "-x" << QString::number(pixels.x()) << "-y" << QString::number(pixels.y())
                  << "-W" << QString::number(pixels.width()) << "-H"
                  << QString::number(pixels.height());
    }
    return QImage::fromData(Tool("pdftoppm", arguments << "-png" << pdfPath).value_or(""));
}

// Dark pixels and dark runs met on a row or column of pixels, from `from` to `to`.
std::pair<int, int> Walk(const QImage& image, QPoint from, QPoint to) {
    const int length = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    int pixels = 0;
    int runs = 0;
    bool wasDark = false;
    for (int i = 0; i <= length; ++i) {
        const bool dark = qGray(image.pixel(from + (to - from) * i / std::max(length, 1))) < 128;
        pixels += dark;
        runs += dark && !wasDark;
        wasDark = dark;
    }
    return {pixels, runs};
}

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
        if (Base.isEmpty()) {
            GTEST_SKIP() << "no private scheduler: " << StateValue("SKIP_REASON").toStdString();
        }
        SampleAssessment::EnterScores(input, "2212121121", QStringLiteral("High risk"));
        // 26 comment lines: the report takes a second page.
        input.notes = {"Jane", "19700101-1234", "2026-12-06", "Smith", QStringList(26, "line")};
        input.adviceLines = [] { return QStringList{"Freshadvice", " ", "Secondline"}; };
    }
    void TearDown() override {
        if (!Base.isEmpty()) {
            Tool("lpadmin", {"-d", "dentiplot"});
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
    {"dentiplot", {595.28, 841.89}, {14.17, 14.17, 566.93, 813.54}, 600, false},
    {"dentiplot-letter", {612, 792}, {18, 25, 558, 747}, 300, true},
    {"dentiplot-multi", {612, 1008}, {30, 36, 564, 948}, 360, false},
    // Describes nothing: a whole A4 sheet at the fallback resolution.
    {"dentiplot-raw", {595.28, 841.89}, {0, 0, 595.28, 841.89}, 300, true},
};

void PrintTo(const Queue& queue, std::ostream* out) {
    *out << queue.name.toStdString();
}

class OnEachQueue : public Scheduler, public ::testing::WithParamInterface<Queue> {};

// Two jobs (the report's two pages, the advice page) on the queue's paper,
// inked only inside its printable area, in colour when chosen; words at their
// places in the printer's pixels; the table's frame 6 pixels wide; the
// legend's boxes hatched as on a screen.
TEST_P(OnEachQueue, PrintoutsOnTheQueuesPaperInItsPixels) {
    const Queue& queue = GetParam();
    ASSERT_TRUE(Tool("lpadmin", {"-d", queue.name}));
    const int mark = LastJobId();
    EXPECT_EQ(Print(queue.colour), "");
    const std::vector<Job> jobs = Jobs(mark);
    ASSERT_EQ(jobs.size(), 2u);
    const double pixelsPerPoint = queue.dpi / 72.0;
    const QPointF corner = queue.printable.topLeft() * pixelsPerPoint;
    const PageScale scale =
        PageScale::ForPrintableSize((queue.printable.size() * pixelsPerPoint).toSize());
    // A place given in page units, in PDF points.
    const auto points = [&](double x, double y) {
        return (corner + scale.At(x, y)) / pixelsPerPoint;
    };
    // Inside the chance sector, half way out on its middle ray: the pie is drawn
    // counter-clockwise from three o'clock.
    const double middle = input.shares.Chance * std::numbers::pi / 100;
    const QPoint inChance =
        points(6939 + 1057 * std::cos(middle), 4670 - 1057 * std::sin(middle)).toPoint();
    QString documents[2];
    std::vector<Page> pages[2];
    for (int job = 0; job < 2; ++job) {
        EXPECT_EQ(jobs[job].destination, queue.name);
        documents[job] = WaitForDocument(jobs[job].id);
        pages[job] = PagesOf(documents[job]);
        ASSERT_EQ(pages[job].size(), job == 0 ? 2u : 1u) << "job " << job;
        for (int page = 0; page < int(pages[job].size()); ++page) {
            SCOPED_TRACE(::testing::Message() << "job " << job << " page " << page);
            EXPECT_NEAR(pages[job][page].paper.width(), queue.paper.width(), 0.5);
            EXPECT_NEAR(pages[job][page].paper.height(), queue.paper.height(), 0.5);
            // Dark pixels at 72 dpi outside the printable area (a point of slack
            // for the smoothing); the chance sector in its green when in colour.
            const QImage picture = RenderPage(documents[job], page, 72);
            int outside = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    outside += qGray(picture.pixel(x, y)) < 250 &&
                               !queue.printable.adjusted(-1, -1, 1, 1).contains(QRectF(x, y, 1, 1));
                }
            }
            EXPECT_FALSE(picture.isNull());
            EXPECT_EQ(outside, 0);
            if (job == 0 && page == 0) {
                EXPECT_EQ(picture.pixelColor(inChance) == QColor(100, 169, 50), queue.colour);
            }
        }
    }
    // Text is anchored at its top left.
    const std::tuple<QString, int, QPointF> expected[] = {
        {"Dentiplot", 0, points(5000, 200)},
        {"Caries", 0, points(9753, 3647)},
        {"Preliminary", 1, points(1856, 130)},
    };
    for (const auto& [text, job, at] : expected) {
        const std::vector<Word>& words = pages[job][0].words;
        const auto word = std::find_if(words.begin(), words.end(),
                                       [&text = text](const Word& w) { return w.text == text; });
        ASSERT_NE(word, words.end()) << text.toStdString();
        const QPointF off = (word->box.topLeft() - at) * pixelsPerPoint;
        EXPECT_TRUE(qAbs(off.x()) <= 2 && qAbs(off.y()) <= 2)
            << text.toStdString() << " off by " << off.x() << "," << off.y() << " pixels";
    }

    // Across the factor table frame's left side at mid-height, at 1200 dpi.
    const QPointF side = points(9643, 5410);
    const QImage across = RenderPage(documents[0], 0, 1200, QRectF(side.x() - 3, side.y(), 6, 0.1));
    ASSERT_FALSE(across.isNull());
    const int dark = Walk(across, {0, 0}, {across.width() - 1, 0}).first;
    EXPECT_NEAR(dark, 6 * 1200.0 / queue.dpi, 2.0);

    // In black and white, the legend's boxes at 600 dpi: a hatch line every 8
    // screen pixels (6 points), not a grey smear of printer pixels. The lines
    // met going down the middle of each box's inner part, and whether any of
    // its columns is dark from top to bottom (a line standing upright; the
    // picture's tiles may leave a light seam).
    if (queue.colour) {
        return;
    }
    const QRectF column(points(1420, 4500), points(1745, 6900));
    const QImage legend = RenderPage(documents[0], 0, 600, column);
    const auto at = [&](double x, double y) {
        return ((points(x, y) - column.topLeft()) * 600 / 72).toPoint();
    };
    const std::tuple<const char*, double, int, int, bool> boxes[] = {
        {"none", 4500, 0, 0, false}, {"diagonal cross", 5150, 2, 6, false},
        {"solid", 5625, 1, 1, true}, {"horizontal", 6100, 1, 3, false},
        {"cross", 6575, 1, 3, true},
    };
    for (const auto& [style, top, fewest, most, upright] : boxes) {
        SCOPED_TRACE(style);
        const QRect inner(at(1470, top + 50), at(1695, top + 275));
        const int lines =
            Walk(legend, {inner.center().x(), inner.top()}, {inner.center().x(), inner.bottom()})
                .second;
        EXPECT_TRUE(lines >= fewest && lines <= most) << lines << " lines";
        int darkColumns = 0;
        for (int x = inner.left(); x <= inner.right(); ++x) {
            darkColumns +=
                Walk(legend, {x, inner.top()}, {x, inner.bottom()}).first > inner.height() * 9 / 10;
        }
        EXPECT_EQ(darkColumns > 0, upright);
    }
}

INSTANTIATE_TEST_SUITE_P(Queues, OnEachQueue, ::testing::ValuesIn(Queues), [](const auto& info) {
    return QString(info.param.name).replace('-', '_').toStdString();
});

// A failure caused before job `beforeJob` opens (0: before the command) by a
// shell command (the state file's names at hand) and mended by another; the
// jobs of the command that still print, and part of the error (none: no
// failure).
struct Fault {
    const char* name;
    const char* cause;
    const char* mend;
    int beforeJob;
    int printed;
    const char* message;
};

const Fault Faults[] = {
    {"NoDefaultPrinter", "lpadmin -x dentiplot",
     "lpadmin -p dentiplot -E -v capture:$CAPTURE_DIR -P $CUPS_BASE/dentiplot.ppd && "
     "lpadmin -d dentiplot",
     0, 0, "There is no default printer"},
    {"QueueRejectingJobs", "cupsreject dentiplot", "cupsaccept dentiplot", 0, 0, "not accepting"},
    // The immutable spool keeps out the scheduler, root too; its bare "Request
    // Entity Too Large" would call a one-page report too large.
    {"SpoolFolderUnwritable", "chattr +i $CUPS_BASE/spool/tmp $CUPS_BASE/spool",
     "chattr -i $CUPS_BASE/spool/tmp $CUPS_BASE/spool", 0, 0, "spool folder"},
    {"SchedulerStoppedBetweenTheJobs", "sh $SCRIPTS/stop-cupsd.sh $DENTIPLOT_CUPS_STATE keep",
     "sh $SCRIPTS/start-cupsd.sh $DENTIPLOT_CUPS_STATE again", 2, 1, ""},
    // The print system keeps the jobs and prints them when the queue starts again.
    {"StoppedQueueIsNoFailure", "cupsdisable dentiplot", "cupsenable dentiplot", 0, 2, nullptr},
};

bool Act(const QString& command) {
    return Tool("sh", {"-c", ". \"$DENTIPLOT_CUPS_STATE\" && " + command}).has_value();
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
    EXPECT_EQ(dialogShown, fault.name != std::string("NoDefaultPrinter"));
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

// dentiplot-batch's report of the same assessment, on its default page (A4,
// 5 mm margins, 600 dpi as the default queue): word for word in the same boxes
// as the Print command's two jobs, chart report then interpretation page.
TEST_F(Scheduler, BatchReportHoldsWhatThePrintCommandSends) {
    SampleAssessment::EnterScores(input, "2122222111", QStringLiteral("Standard set"));
    QStringList advice;
    input.buildAdvice = [&] {
        advice = AssembleAdvice(ReadAdviceScores(input.scoreTexts), InmBearb::ChancePercent(),
                                SharedFragmentHolders());
    };
    input.adviceLines = [&] { return advice; };
    const int mark = LastJobId();
    ASSERT_EQ(Print(), "");
    std::vector<Page> printed;
    for (const Job& job : Jobs(mark)) {
        const std::vector<Page> pages = PagesOf(WaitForDocument(job.id));
        printed.insert(printed.end(), pages.begin(), pages.end());
    }

    const QTemporaryDir dir;
    QFile csv(dir.filePath("in.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("Name;Ident.No.;Date;Examiner;Caries experience;Related diseases;Diet, contents;"
              "Diet, frequency;Plaque amount;Mutans streptococci;Fluoride program;Saliva "
              "secretion;Buffer capacity;Clin. judgement;Country/Area;Group;Comments\r\n"
              "Jane;19700101-1234;2026-12-06;Smith;2;1;2;2;2;2;2;1;1;1;Standard set;"
              "Standard set;\"" +
              input.notes.lines.join("\r\n").toUtf8() + "\"\r\n");
    csv.close();
    ASSERT_EQ(Batch::RunBatch({"dentiplot-batch", csv.fileName(), "-o", dir.filePath("out.csv"),
                               "--reports", dir.path()}),
              Batch::EveryRowAssessed);
    const std::vector<Page> batch = PagesOf(dir.filePath("19700101-1234.pdf"));
    ASSERT_EQ(batch.size(), printed.size());
    for (std::size_t i = 0; i < batch.size(); ++i) {
        EXPECT_EQ(batch[i].words, printed[i].words) << "page " << i;
    }
}

TEST(PdfCanvas, RefusesASecondDocumentAndDrawingOutsideOne) {
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    PdfCanvas canvas(a4, 300, nullptr);
    EXPECT_THROW(canvas.Text({0, 0}, "x"), std::runtime_error);
    canvas.BeginDoc("one");
    try {
        canvas.BeginDoc("two");
        ADD_FAILURE() << "a second document began";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Printing in progress");
    }
    canvas.EndDoc();
    EXPECT_THROW(canvas.NewPage(), std::runtime_error);
}

} // namespace
