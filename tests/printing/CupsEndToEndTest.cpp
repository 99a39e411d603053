// The Print command end to end: both printouts go through the print system to
// a private scheduler whose queues store each job's PDF, one queue after the
// other as the default, each describing a printer with its own paper,
// margins and resolution. The documents are read back with poppler's tools,
// so the test sees what a printer would be sent.

#include "printing/PageScale.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/printing/CupsHarness.h"
#include "tests/sample/SampleAssessment.h"
#include "tests/support/ModalCloser.h"

#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace Printing;
using CupsHarness::Job;
using CupsHarness::Word;

// A queue of the test scheduler, the page its printer description gives (the
// default paper, the printable area on it, the default resolution) and the
// colour mode chosen for it.
struct Queue {
    QString name;
    QSizeF paper;     // points
    QRectF printable; // points from the paper's top-left corner
    int dpi = 0;
    bool colour = false;
};

void PrintTo(const Queue& queue, std::ostream* out) {
    *out << queue.name.toStdString();
}

// A4 is 210 by 297 mm: 595.28 by 841.89 points, 566.93 by 813.54 within 5 mm
// margins (the document's page box holds it in whole points).
const Queue Queues[] = {
    {"dentiplot", {595.28, 841.89}, {14.17, 14.17, 566.93, 813.54}, 600, true},
    {"dentiplot-letter", {612, 792}, {18, 25, 558, 747}, 300, false},
    // Several papers and resolutions; the defaults are neither listed first.
    {"dentiplot-multi", {612, 1008}, {30, 36, 564, 948}, 360, true},
    // Describes nothing: a whole A4 sheet at the fallback resolution.
    {"dentiplot-raw", {595.28, 841.89}, {0, 0, 595.28, 841.89}, 300, false},
};

std::optional<Word> FindWord(const std::vector<Word>& words, const QString& text, int page) {
    for (const Word& word : words) {
        if (word.text == text && word.page == page) {
            return word;
        }
    }
    return std::nullopt;
}

// Pixels of a picture of the page at 72 dpi (a point each) with ink outside
// `area`, and those in the chance sector's green.
std::pair<int, int> InkOutsideAndGreen(const QString& pdf, int page, const QRectF& area) {
    const QImage picture = CupsHarness::RenderPage(pdf, page, 72);
    EXPECT_FALSE(picture.isNull());
    // A point of slack for the rendering's smoothing at the edge.
    const QRectF allowed = area.adjusted(-1, -1, 1, 1);
    int outside = 0;
    int green = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            outside += qGray(pixel) < 250 && !allowed.contains(QRectF(x, y, 1, 1));
            green += qAbs(qRed(pixel) - 100) < 8 && qAbs(qGreen(pixel) - 169) < 8 &&
                     qAbs(qBlue(pixel) - 50) < 8;
        }
    }
    return {outside, green};
}

class PrintOnEachQueue : public ::testing::TestWithParam<Queue> {
protected:
    void SetUp() override {
        const CupsHarness::Scheduler& scheduler = CupsHarness::Current();
        if (!scheduler.Running()) {
            GTEST_SKIP() << "no private print scheduler: " << scheduler.skipReason.toStdString();
        }
        ASSERT_TRUE(CupsHarness::Admin("lpadmin", {"-d", GetParam().name}));
    }
    void TearDown() override {
        if (CupsHarness::Current().Running()) {
            CupsHarness::Admin("lpadmin", {"-d", CupsHarness::DefaultQueue});
        }
    }
};

TEST_P(PrintOnEachQueue, PrintoutsOnTheQueuesPaperInItsPixels) {
    const Queue& queue = GetParam();
    PrintCommandInput input;
    SampleAssessment::EnterScores(input, "2212121121", QStringLiteral("High risk"));
    input.notes = {"Jane", "19700101-1234", "2026-12-06", "Smith", {}};
    for (int i = 1; i <= 26; ++i) {
        input.notes.lines << QStringLiteral("line%1").arg(i, 3, 10, QLatin1Char('0'));
    }
    input.adviceLines = [] { return QStringList{"Freshadvice", " ", "Secondline"}; };
    const int mark = CupsHarness::LastJobId();
    TPrintDlg dialog;
    DefaultPrinterService service;
    {
        ModalCloser closer([&](QWidget* modal) {
            auto& shown = static_cast<TPrintDlg&>(*modal);
            (queue.colour ? shown.RadioButton2 : shown.RadioButton1)->click();
            shown.OKBtn->click();
        });
        RunPrintCommand(dialog, input, service);
    }

    // Two jobs, the report of two pages then the advice page, on the queue's
    // paper, inside its printable area, the chart in colour when chosen.
    const std::vector<Job> jobs = CupsHarness::Jobs(mark);
    ASSERT_EQ(jobs.size(), 2u);
    std::vector<QString> documents;
    for (const Job& job : jobs) {
        EXPECT_EQ(job.destination, queue.name);
        documents.push_back(CupsHarness::WaitForDocument(job.id));
        ASSERT_FALSE(documents.back().isEmpty()) << "job " << job.id << " was never stored";
        const std::vector<QSizeF> pages = CupsHarness::PagesOf(documents.back());
        EXPECT_EQ(pages.size(), documents.size() == 1 ? 2u : 1u);
        for (int page = 0; page < static_cast<int>(pages.size()); ++page) {
            SCOPED_TRACE(::testing::Message() << "job " << job.id << " page " << page + 1);
            EXPECT_NEAR(pages[page].width(), queue.paper.width(), 0.5);
            EXPECT_NEAR(pages[page].height(), queue.paper.height(), 0.5);
            const auto [outside, green] =
                InkOutsideAndGreen(documents.back(), page, queue.printable);
            EXPECT_EQ(outside, 0);
            EXPECT_EQ(green > 50, queue.colour && documents.size() == 1 && page == 0);
        }
    }

    // Words at their places, in the printer's device pixels from the
    // printable area's corner.
    const double pixelsPerPoint = queue.dpi / 72.0;
    const QPointF corner = queue.printable.topLeft() * pixelsPerPoint;
    const PageScale scale =
        PageScale::ForPrintableSize((queue.printable.size() * pixelsPerPoint).toSize());
    const int X0 = scale.X(9753);
    const int Y0 = scale.Y(3647);
    const int RH = scale.Y(350);
    struct Expected {
        QString word;
        int job;
        int page;
        QPoint at;
    };
    const Expected expected[] = {
        {"Dentiplot", 0, 0, scale.At(5000, 200)},
        {"Name:", 0, 0, scale.At(1280, 1620)},
        {"Jane", 0, 0, scale.At(2714, 1665)},
        {"Smith", 0, 0, scale.At(2714, 2865)},
        {"Group:", 0, 0, {scale.X(9406), scale.Y(1620) + scale.Y(300)}},
        {"Caries", 0, 0, {X0, Y0}},
        {"streptococci", 0, 0, {X0, Y0 + Numeric::RoundToInt(5.5 * RH)}},
        {"Clin.", 0, 0, {X0, Y0 + Numeric::RoundToInt(9.5 * RH)}},
        {"line025", 0, 0, {scale.X(1280), scale.Y(8670) + 24 * scale.Y(255)}},
        {"Comments", 0, 1, scale.At(1280, 300)},
        {"line026", 0, 1, scale.At(1280, 715)},
        {"Jane", 1, 0, scale.At(9390, 108)},
        {"Smith", 1, 0, scale.At(9390, 798)},
        {"Preliminary", 1, 0, scale.At(1856, 130)},
        {"Freshadvice", 1, 0, scale.At(1740, 1120)},
    };
    const std::vector<Word> words[] = {CupsHarness::WordsOf(documents[0]),
                                       CupsHarness::WordsOf(documents[1])};
    for (const Expected& item : expected) {
        SCOPED_TRACE(::testing::Message() << item.word.toStdString() << " in job " << item.job);
        const auto word = FindWord(words[item.job], item.word, item.page);
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
        CupsHarness::RenderPage(documents[0], 0, 1200, QRectF(side.x() - 3, side.y(), 6, 0.1));
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

} // namespace
