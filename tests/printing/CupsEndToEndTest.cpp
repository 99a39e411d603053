// The Print command end to end: the printouts go through the print system to
// a private scheduler, whose queues store each job's PDF. The queues describe
// printers with different papers, margins and resolutions. The documents are
// read back with poppler's tools, so these tests see what a printer would be
// sent.

#include "printing/PageScale.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "resources/SectorPalette.h"
#include "tests/printing/CupsHarness.h"
#include "tests/sample/SampleAssessment.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace {

using namespace Printing;
using CupsHarness::Job;
using CupsHarness::Word;

const QString AdviceHeading = QStringLiteral("Preliminary interpretation and proposed measures");

QStringList CommentLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("line%1").arg(i, 3, 10, QLatin1Char('0'));
    }
    return lines;
}

std::optional<Word> FindWord(const std::vector<Word>& words, const QString& text, int page = -1) {
    for (const Word& word : words) {
        if (word.text == text && (page < 0 || word.page == page)) {
            return word;
        }
    }
    return std::nullopt;
}

class PrintThroughScheduler : public ::testing::Test {
protected:
    void SetUp() override {
        const CupsHarness::Scheduler& scheduler = CupsHarness::Current();
        if (!scheduler.Running()) {
            GTEST_SKIP() << "no private print scheduler: " << scheduler.skipReason.toStdString();
        }
        m_mark = CupsHarness::LastJobId();

        SampleAssessment::EnterScores(input, "2212121121", QStringLiteral("High risk"));
        input.notes.name = QStringLiteral("Jane");
        input.notes.identNo = QStringLiteral("19700101-1234");
        input.notes.date = QStringLiteral("2026-12-06");
        input.notes.examiner = QStringLiteral("Smith");
        input.notes.lines = CommentLines(3);
        input.buildAdvice = [this] {
            ++adviceBuilds;
            advice = QStringList{QStringLiteral("Freshadvice"), QStringLiteral(" "),
                                 QStringLiteral("Secondline")};
        };
        input.adviceLines = [this] { return advice; };
    }

    // Runs the command; `answer` fills in the dialog when it shows.
    void Run(const std::function<void(TPrintDlg&)>& answer) {
        ModalCloser closer([&](QWidget* modal) {
            ++dialogsShown;
            answer(static_cast<TPrintDlg&>(*modal));
        });
        RunPrintCommand(dialog, input, service);
    }

    static void Ok(TPrintDlg& shown) { shown.OKBtn->click(); }

    // Jobs given to the scheduler since the test began, oldest first.
    std::vector<Job> NewJobs() const {
        std::vector<Job> jobs;
        for (const Job& job : CupsHarness::Jobs()) {
            if (job.id > m_mark) {
                jobs.push_back(job);
            }
        }
        return jobs;
    }

    // The stored PDF of a job; fails the test when it does not arrive.
    static QString Document(const Job& job) {
        QString path = CupsHarness::WaitForDocument(job.id);
        EXPECT_FALSE(path.isEmpty()) << "job " << job.id << " was never stored";
        return path;
    }

    // Prints the report alone and returns its stored document.
    QString PrintReportOnly() {
        const int before = CupsHarness::LastJobId();
        Run([](TPrintDlg& shown) {
            shown.SetPrintReportChosen(true);
            shown.SetPrintAdviceChosen(false);
            shown.OKBtn->click();
        });
        std::vector<Job> jobs = NewJobs();
        std::erase_if(jobs, [before](const Job& job) { return job.id <= before; });
        EXPECT_EQ(jobs.size(), 1u);
        return jobs.empty() ? QString() : Document(jobs.back());
    }

    TPrintDlg dialog;
    DefaultPrinterService service;
    PrintCommandInput input;
    QStringList advice{QStringLiteral("Staleadvice")};
    int adviceBuilds = 0;
    int dialogsShown = 0;

private:
    int m_mark = 0;
};

TEST_F(PrintThroughScheduler, BothPrintoutsAreTwoJobsReportFirst) {
    Run(Ok);
    const std::vector<Job> jobs = NewJobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].destination, CupsHarness::DefaultQueue);
    EXPECT_EQ(jobs[1].destination, CupsHarness::DefaultQueue);

    const auto report = CupsHarness::WordsOf(Document(jobs[0]));
    const auto advicePage = CupsHarness::WordsOf(Document(jobs[1]));
    EXPECT_TRUE(FindWord(report, QStringLiteral("Dentiplot")));
    EXPECT_TRUE(FindWord(report, QStringLiteral("line001")));
    EXPECT_FALSE(FindWord(report, QStringLiteral("Preliminary")));
    EXPECT_TRUE(FindWord(advicePage, QStringLiteral("Preliminary")));
    EXPECT_TRUE(FindWord(advicePage, QStringLiteral("Freshadvice")));
    EXPECT_FALSE(FindWord(advicePage, QStringLiteral("Staleadvice")));
}

TEST_F(PrintThroughScheduler, OnlyTheAdviceIsOneJob) {
    Run([](TPrintDlg& shown) {
        shown.SetPrintReportChosen(false);
        shown.OKBtn->click();
    });
    const std::vector<Job> jobs = NewJobs();
    ASSERT_EQ(jobs.size(), 1u);
    const QString pdf = Document(jobs[0]);
    EXPECT_EQ(CupsHarness::PagesOf(pdf).size(), 1u);
    EXPECT_TRUE(FindWord(CupsHarness::WordsOf(pdf), QStringLiteral("Preliminary")));
}

TEST_F(PrintThroughScheduler, CancelSendsNothingButRefillsTheAdvice) {
    Run([](TPrintDlg& shown) { shown.CancelBtn->click(); });
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(adviceBuilds, 1);
    EXPECT_EQ(advice.front(), "Freshadvice");
    EXPECT_TRUE(NewJobs().empty());
}

// A queue of the test scheduler, and the page its printer description gives:
// the default paper, the printable area on it and the default resolution.
struct Queue {
    QString name;
    QSizeF paper;     // points
    QRectF printable; // points from the paper's top-left corner
    int dpi = 0;
};

void PrintTo(const Queue& queue, std::ostream* out) {
    *out << queue.name.toStdString();
}

// A4 is 210 by 297 mm: 595.28 by 841.89 points, 566.93 by 813.54 within 5 mm
// margins (the document's page box holds it in whole points).
const Queue Queues[] = {
    {"dentiplot", {595.28, 841.89}, {14.17, 14.17, 566.93, 813.54}, 600},
    {"dentiplot-letter", {612, 792}, {18, 25, 558, 747}, 300},
    // Several papers and resolutions; the defaults are neither listed first.
    {"dentiplot-multi", {612, 1008}, {30, 36, 564, 948}, 360},
    // Describes nothing: a whole A4 sheet at the fallback resolution.
    {"dentiplot-raw", {595.28, 841.89}, {0, 0, 595.28, 841.89}, 300},
};

// Picture pixels (at 72 dpi, a point each) with ink that lie outside `area`.
int InkOutside(const QString& pdf, int page, const QRectF& area) {
    const QImage picture = CupsHarness::RenderPage(pdf, page, 72);
    EXPECT_FALSE(picture.isNull());
    // A point of slack for the rendering's smoothing at the edge.
    const QRectF allowed = area.adjusted(-1, -1, 1, 1);
    int outside = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            outside += qGray(picture.pixel(x, y)) < 250 && !allowed.contains(QRectF(x, y, 1, 1));
        }
    }
    return outside;
}

// Each queue in turn the default: both printouts come out on its paper,
// inside its printable area, composed in its device pixels.
class PrintOnEachQueue : public PrintThroughScheduler, public ::testing::WithParamInterface<Queue> {
protected:
    void SetUp() override {
        PrintThroughScheduler::SetUp();
        if (!IsSkipped()) {
            ASSERT_TRUE(CupsHarness::Admin("lpadmin", {"-d", GetParam().name}));
        }
    }
    void TearDown() override {
        if (CupsHarness::Current().Running()) {
            CupsHarness::Admin("lpadmin", {"-d", CupsHarness::DefaultQueue});
        }
    }
};

TEST_P(PrintOnEachQueue, PrintoutsTakeTheQueuesPaperPrintableAreaAndResolution) {
    const Queue& queue = GetParam();
    input.notes.lines = CommentLines(26);
    Run(Ok);
    const std::vector<Job> jobs = NewJobs();
    ASSERT_EQ(jobs.size(), 2u);
    const QString report = Document(jobs[0]);
    for (const Job& job : jobs) {
        EXPECT_EQ(job.destination, queue.name);
        const QString pdf = Document(job);
        const std::vector<QSizeF> pages = CupsHarness::PagesOf(pdf);
        ASSERT_FALSE(pages.empty());
        for (int page = 0; page < static_cast<int>(pages.size()); ++page) {
            SCOPED_TRACE(::testing::Message() << "job " << job.id << " page " << page + 1);
            EXPECT_NEAR(pages[page].width(), queue.paper.width(), 0.5);
            EXPECT_NEAR(pages[page].height(), queue.paper.height(), 0.5);
            EXPECT_EQ(InkOutside(pdf, page, queue.printable), 0);
        }
    }
    ASSERT_EQ(CupsHarness::PagesOf(report).size(), 2u);

    // The printable area in the printer's device pixels, and its corner.
    const double pixelsPerPoint = queue.dpi / 72.0;
    const QPointF corner = queue.printable.topLeft() * pixelsPerPoint;
    const PageScale scale =
        PageScale::ForPrintableSize((queue.printable.size() * pixelsPerPoint).toSize());
    const auto words = CupsHarness::WordsOf(report);

    struct Expected {
        QString word;
        int page;
        QPoint at; // device pixels from the printable area's corner
    };
    const int X = scale.X(9406);
    const int Y = scale.Y(1620);
    const int X0 = scale.X(9753);
    const int Y0 = scale.Y(3647);
    const int RH = scale.Y(350);
    const int L = scale.X(1475);
    const Expected expected[] = {
        {"Dentiplot", 0, scale.At(5000, 200)},
        {"Name:", 0, scale.At(1280, 1620)},
        {"Jane", 0, scale.At(2714, 1665)},
        {"Examiner:", 0, scale.At(1280, 2820)},
        {"Smith", 0, scale.At(2714, 2865)},
        {"Country/area:", 0, {X, Y}},
        {"Group:", 0, {X, Y + scale.Y(300)}},
        {"Caries", 0, {X0, Y0}},
        {input.scoreTexts[0], 0, {X0 + L + scale.X(235), Y0}},
        {"streptococci", 0, {X0, Y0 + Numeric::RoundToInt(5.5 * RH)}},
        {"Clin.", 0, {X0, Y0 + Numeric::RoundToInt(9.5 * RH)}},
        {"Comments", 0, scale.At(1280, 8245)},
        {"line001", 0, scale.At(1280, 8670)},
        {"line025", 0, {scale.X(1280), scale.Y(8670) + 24 * scale.Y(255)}},
        {"Comments", 1, scale.At(1280, 300)},
        {"line026", 1, scale.At(1280, 715)},
    };
    for (const Expected& item : expected) {
        SCOPED_TRACE(item.word.toStdString());
        const auto word = FindWord(words, item.word, item.page);
        ASSERT_TRUE(word.has_value()) << "missing on page " << item.page + 1;
        const QPointF at = word->box.topLeft() * pixelsPerPoint - corner;
        EXPECT_NEAR(at.x(), item.at.x(), 2.0);
        EXPECT_NEAR(at.y(), item.at.y(), 2.0);
    }

    // The factor table's frame is drawn with a 6-pixel pen: 6/dpi inch wide.
    // Measured across its left side at mid-height, on a picture at 1200 dpi.
    const double frameX = X0 - scale.X(110);
    const double frameY =
        (2 * Y0 - scale.Y(110) + Numeric::RoundToInt(9.5 * RH) + scale.Y(310)) / 2.0;
    const QPointF side = (corner + QPointF(frameX, frameY)) / pixelsPerPoint;
    const QImage across =
        CupsHarness::RenderPage(report, 0, 1200, QRectF(side.x() - 3, side.y(), 6, 0.1));
    ASSERT_FALSE(across.isNull());
    int dark = 0;
    for (int x = 0; x < across.width(); ++x) {
        dark += qGray(across.pixel(x, 0)) < 128;
    }
    EXPECT_NEAR(dark, 6 * 1200.0 / queue.dpi, 2.0);
}

INSTANTIATE_TEST_SUITE_P(Queues, PrintOnEachQueue, ::testing::ValuesIn(Queues),
                         [](const auto& info) {
                             QString name = info.param.name;
                             return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });

TEST_F(PrintThroughScheduler, CommentsBeyondTwoPagesGoOnAThirdPage) {
    input.notes.lines = CommentLines(81);
    const QString pdf = PrintReportOnly();
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(CupsHarness::PagesOf(pdf).size(), 3u);
    const auto words = CupsHarness::WordsOf(pdf);
    EXPECT_TRUE(FindWord(words, "line080", 1));
    EXPECT_TRUE(FindWord(words, "line081", 2));
}

// A colour choice made in one Print command is still in force in the next:
// the second report's chance sector is printed in its green.
TEST_F(PrintThroughScheduler, ColourIsRememberedIntoTheNextCommand) {
    Run([](TPrintDlg& shown) {
        shown.SetPrintAdviceChosen(false);
        shown.RadioButton2->click();
        shown.OKBtn->click();
    });
    const QString pdf = PrintReportOnly();
    ASSERT_FALSE(pdf.isEmpty());
    const QImage picture = CupsHarness::RenderPage(pdf, 0, 30);
    ASSERT_FALSE(picture.isNull());
    const QColor chance = SectorColours[SectorIndex::Chance];
    int green = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            green += qAbs(pixel.red() - chance.red()) < 8 &&
                     qAbs(pixel.green() - chance.green()) < 8 &&
                     qAbs(pixel.blue() - chance.blue()) < 8;
        }
    }
    EXPECT_GT(green, 50) << "the second report is not in colour";
}

TEST_F(PrintThroughScheduler, WithoutADefaultDestinationNothingIsShownOrSent) {
    const CupsHarness::Scheduler& scheduler = CupsHarness::Current();
    ASSERT_TRUE(CupsHarness::Admin("lpadmin", {"-x", CupsHarness::DefaultQueue}));
    QString message;
    try {
        Run(Ok);
    } catch (const std::runtime_error& error) {
        message = QString::fromUtf8(error.what());
    }
    // Put the default queue back for the tests that follow, before checking.
    const bool restored =
        CupsHarness::Admin("lpadmin", {"-p", CupsHarness::DefaultQueue, "-E", "-v",
                                       "capture:" + scheduler.captureDir, "-P", scheduler.ppd}) &&
        CupsHarness::Admin("lpadmin", {"-d", CupsHarness::DefaultQueue});
    EXPECT_EQ(message, "There is no default printer currently selected");
    EXPECT_EQ(dialogsShown, 0);
    EXPECT_EQ(adviceBuilds, 0);
    EXPECT_TRUE(NewJobs().empty());
    ASSERT_TRUE(restored);
}

TEST_F(PrintThroughScheduler, ARefusedReportIsAnErrorAndTheAdviceIsNotSent) {
    ASSERT_TRUE(CupsHarness::Admin("cupsreject", {CupsHarness::DefaultQueue}));
    QString message;
    try {
        Run(Ok);
    } catch (const std::runtime_error& error) {
        message = QString::fromUtf8(error.what());
    }
    const bool restored = CupsHarness::Admin("cupsaccept", {CupsHarness::DefaultQueue});
    EXPECT_FALSE(message.isEmpty()) << "the refused job was reported as printed";
    EXPECT_TRUE(message.contains("not accepting jobs")) << message.toStdString();
    EXPECT_TRUE(NewJobs().empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(restored);
}

} // namespace
