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
    PaperTest() : m_paper(2400, 3400, QImage::Format_RGB32) {
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

    bool Dark(QPoint at) const { return qGray(m_paper.pixel(at)) < 128; }

    QImage m_paper;
    QPainter m_painter;
    std::optional<Printing::PagePainter> m_page;
};

// A capital H in each face, and four boxes of a standard hatch (a line every
// 8 screen pixels: at 1200 dpi every 100 device pixels, each about 12 thick,
// so the paper shows lines, not grey), walked along lines: the dark runs met,
// where the first begins and how long they are.
TEST_F(PaperTest, TextAndHatchesAtPrinterResolution) {
    m_page->SetFont("Times New Roman", 10, false);
    m_page->Text({300, 400}, "H");
    m_page->SetFont("Times New Roman", 10, true);
    m_page->Text({1300, 400}, "H");
    m_page->SetPenWidth(2);
    const std::pair<FillStyle, QPoint> boxes[] = {{FillStyle::Horizontal, {100, 1200}},
                                                  {FillStyle::Cross, {1300, 1200}},
                                                  {FillStyle::DiagonalCross, {100, 2400}},
                                                  {FillStyle::None, {1300, 2400}}};
    for (const auto& [style, corner] : boxes) {
        m_page->SetFill(style, Qt::black);
        m_page->Rectangle(corner, corner + QPoint(1000, 1000));
    }
    Paper();
    // The capital hangs from the corner: its top one ascent less its cap
    // height below it, its foot one ascent below (10 points at 1200 dpi give
    // a cap height of roughly 0.66 * 166 pixels).
    QFont font(Printing::PrintFaceFor("Times New Roman"));
    font.setPointSize(10);
    const QFontMetrics metrics(font, &m_paper);
    const int capTop = 400 + metrics.ascent() - metrics.capHeight();
    const int quarter = capTop + metrics.capHeight() / 4;
    struct Walk {
        const char* what;
        QPoint from;
        QPoint step;
        std::size_t fewest;
        std::size_t most;
        int firstAt; // from `from`, within 3 pixels; -1: anywhere
        int shortest;
        int longest;
    };
    const Walk walks[] = {
        {"regular H, down its stem", {324, 300}, {0, 1}, 1, 1, capTop - 300, 107, 113},
        {"regular H, across", {250, quarter}, {1, 0}, 2, 2, 68, 8, 20},
        {"bold H, across", {1250, quarter}, {1, 0}, 2, 2, 68, 24, 40},
        {"horizontal hatch, down", {600, 1300}, {0, 1}, 6, 12, -1, 6, 40},
        {"horizontal hatch, across", {200, 1250}, {1, 0}, 0, 1, -1, 6, 40},
        {"cross hatch, down", {1800, 1300}, {0, 1}, 6, 12, -1, 6, 40},
        {"cross hatch, across", {1400, 1700}, {1, 0}, 6, 12, -1, 6, 40},
        {"diagonal cross, across", {200, 2900}, {1, 0}, 6, 12, -1, 6, 40},
        {"outline only, across", {1400, 2900}, {1, 0}, 0, 0, -1, 6, 40},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.what);
        std::vector<std::pair<int, int>> runs; // start, length
        for (int i = 0; i < 800; ++i) {
            if (Dark(walk.from + walk.step * i)) {
                if (runs.empty() || runs.back().first + runs.back().second != i) {
                    runs.emplace_back(i, 0);
                }
                ++runs.back().second;
            }
        }
        EXPECT_GE(runs.size(), walk.fewest);
        EXPECT_LE(runs.size(), walk.most);
        if (walk.firstAt >= 0 && !runs.empty()) {
            EXPECT_NEAR(runs[0].first, walk.firstAt, 3);
        }
        for (const auto& [start, length] : runs) {
            EXPECT_GE(length, walk.shortest) << start;
            EXPECT_LE(length, walk.longest) << start;
        }
    }
}

TEST_F(PaperTest, PieSliceSweepsCounterClockwiseFromStartToEnd) {
    m_page->SetFill(FillStyle::Solid, Qt::black);
    // Round (1200, 1200), from three o'clock to twelve o'clock.
    m_page->Pie({600, 600}, {1800, 1800}, {1800, 1200}, {1200, 600});
    Paper();
    EXPECT_TRUE(Dark({1500, 900}));
    EXPECT_FALSE(Dark({900, 900}));
    EXPECT_FALSE(Dark({900, 1500}));
    EXPECT_FALSE(Dark({1500, 1500}));
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
