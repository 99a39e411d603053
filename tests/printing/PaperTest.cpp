// Drawing a printed page on a high-resolution device, an image at 1200 dpi
// standing in for the paper: text hangs from its top-left corner at its
// point size, hatches keep the spacing they have on a screen, pie slices
// sweep counter-clockwise. And the job canvas refuses a second document.

#include "model/Numeric.h"
#include "printing/PagePainter.h"
#include "printing/PdfCanvas.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace {

using Printing::FillStyle;

constexpr int Dpi = 1200;

class PaperTest : public ::testing::Test {
protected:
    PaperTest() : m_paper(2400, 2400, QImage::Format_RGB32) {
        const int dotsPerMetre = Numeric::RoundToInt(Dpi / 0.0254);
        m_paper.setDotsPerMeterX(dotsPerMetre);
        m_paper.setDotsPerMeterY(dotsPerMetre);
        m_paper.fill(Qt::white);
        m_painter.begin(&m_paper);
        m_page.emplace(m_painter, m_paper, Dpi);
    }

    const QImage& Paper() {
        m_painter.end();
        return m_paper;
    }

    static bool Dark(const QImage& image, QPoint at) { return qGray(image.pixel(at)) < 128; }

    // Lengths of the dark runs met walking from `from` in `count` steps of `step`.
    static std::vector<int> DarkRuns(const QImage& image, QPoint from, QPoint step, int count) {
        std::vector<int> runs;
        bool inRun = false;
        for (int i = 0; i < count; ++i) {
            const bool dark = Dark(image, from + step * i);
            if (dark && !inRun) {
                runs.push_back(0);
            }
            if (dark) {
                ++runs.back();
            }
            inRun = dark;
        }
        return runs;
    }

    QImage m_paper;
    QPainter m_painter;
    std::optional<Printing::PagePainter> m_page;
};

TEST_F(PaperTest, TextHangsFromItsTopLeftCornerAtPrinterPointSize) {
    m_page->SetFont("Times New Roman", 10, false);
    m_page->Text({300, 400}, "H");
    m_page->SetFont("Times New Roman", 10, true);
    m_page->Text({1300, 400}, "H");
    QFont font(Printing::PrintFaceFor("Times New Roman"));
    font.setPointSize(10);
    const QFontMetrics metrics(font, &m_paper);
    const QImage& paper = Paper();
    QRect ink;
    for (int y = 0; y < 1000; ++y) {
        for (int x = 0; x < 1000; ++x) {
            ink |= Dark(paper, {x, y}) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    // The capital's top is one ascent less its cap height below the corner,
    // its foot one ascent below; 10 points at 1200 dpi give a cap height of
    // roughly 0.66 * 166 pixels.
    EXPECT_NEAR(ink.top(), 400 + metrics.ascent() - metrics.capHeight(), 3);
    EXPECT_NEAR(ink.bottom() + 1, 400 + metrics.ascent(), 3);
    EXPECT_NEAR(ink.left(), 300, 12);
    EXPECT_NEAR(ink.height(), 110, 12);
    // The bold capital's stem is the thicker one.
    const int middle = 400 + metrics.ascent() - metrics.capHeight() / 2;
    EXPECT_GT(DarkRuns(paper, {1250, middle}, {1, 0}, 200).at(0),
              DarkRuns(paper, {250, middle}, {1, 0}, 200).at(0) + 4);
}

// A standard hatch is a line every 8 screen pixels; at 1200 dpi a line every
// 100 device pixels, each about 12 thick, so the paper shows lines, not grey.
TEST_F(PaperTest, HatchesKeepScreenSpacingOnPaper) {
    const std::array<std::pair<FillStyle, QPoint>, 4> boxes = {
        {{FillStyle::Horizontal, {100, 100}},
         {FillStyle::Cross, {1300, 100}},
         {FillStyle::DiagonalCross, {100, 1300}},
         {FillStyle::None, {1300, 1300}}}};
    m_page->SetPenWidth(2);
    for (const auto& [style, corner] : boxes) {
        m_page->SetFill(style, Qt::black);
        m_page->Rectangle(corner, corner + QPoint(1000, 1000));
    }
    const QImage& paper = Paper();
    struct Walk {
        const char* what;
        QPoint from;
        QPoint step;
        std::size_t fewest;
        std::size_t most;
    };
    const Walk walks[] = {
        {"horizontal hatch, down", {600, 200}, {0, 1}, 6, 12},
        {"horizontal hatch, across", {200, 150}, {1, 0}, 0, 1},
        {"cross hatch, down", {1800, 200}, {0, 1}, 6, 12},
        {"cross hatch, across", {1400, 600}, {1, 0}, 6, 12},
        {"diagonal cross, across", {200, 1800}, {1, 0}, 6, 12},
        {"outline only, across", {1400, 1800}, {1, 0}, 0, 0},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.what);
        const auto runs = DarkRuns(paper, walk.from, walk.step, 800);
        EXPECT_GE(runs.size(), walk.fewest);
        EXPECT_LE(runs.size(), walk.most);
        for (const int run : runs) {
            EXPECT_GE(run, 6);
            EXPECT_LE(run, 40);
        }
    }
}

TEST_F(PaperTest, PieSliceSweepsCounterClockwiseFromStartToEnd) {
    m_page->SetFill(FillStyle::Solid, Qt::black);
    // Round (1200, 1200), from three o'clock to twelve o'clock.
    m_page->Pie({600, 600}, {1800, 1800}, {1800, 1200}, {1200, 600});
    const QImage& paper = Paper();
    EXPECT_TRUE(Dark(paper, {1500, 900}));
    EXPECT_FALSE(Dark(paper, {900, 900}));
    EXPECT_FALSE(Dark(paper, {900, 1500}));
    EXPECT_FALSE(Dark(paper, {1500, 1500}));
}

TEST(PdfCanvas, RefusesASecondDocumentAndDrawingOutsideOne) {
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    Printing::PdfCanvas canvas(a4, 300, nullptr);
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
