// Drawing a printed page on a high-resolution device: text anchored at its
// top-left corner and sized in points, hatches that stay visible on paper,
// pens in device pixels and pie slices through the shared wedge routine.
// An image with the printer's resolution stands in for the paper.

#include "printing/PagePainter.h"

#include "model/Numeric.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <optional>

namespace {

using Printing::FillStyle;
using Printing::PagePainter;

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

    static bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

    // Bounding box of all dark pixels.
    static QRect Ink(const QImage& image) {
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (Dark(image, x, y)) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        return ink;
    }

    // Lengths of the dark runs met walking from `from` in steps of `step`.
    static std::vector<int> DarkRuns(const QImage& image, QPoint from, QPoint step, int count) {
        std::vector<int> runs;
        int run = 0;
        for (int i = 0; i < count; ++i) {
            const QPoint at = from + step * i;
            if (Dark(image, at.x(), at.y())) {
                ++run;
            } else if (run > 0) {
                runs.push_back(run);
                run = 0;
            }
        }
        if (run > 0) {
            runs.push_back(run);
        }
        return runs;
    }

    QImage m_paper;
    QPainter m_painter;
    std::optional<PagePainter> m_page;
};

TEST_F(PaperTest, TextHangsFromItsTopLeftCornerAtPrinterPointSize) {
    m_page->SetFont("Times New Roman", 10, false);
    m_page->Text({300, 400}, "H");
    QFont font(Printing::PrintFaceFor("Times New Roman"));
    font.setPointSize(10);
    const QFontMetrics metrics(font, &m_paper);
    const QRect ink = Ink(Paper());

    // Nothing above the anchor: the corner, not the baseline, sits there.
    EXPECT_GE(ink.top(), 400);
    // The capital's top is one ascent less its cap height below the corner,
    // and its foot on the baseline, one ascent below.
    EXPECT_NEAR(ink.top(), 400 + metrics.ascent() - metrics.capHeight(), 3);
    EXPECT_NEAR(ink.bottom() + 1, 400 + metrics.ascent(), 3);
    EXPECT_NEAR(ink.left(), 300, 12);
    // 10 points at 1200 dpi: a cap height of roughly 0.66 * 166 pixels.
    EXPECT_NEAR(ink.height(), 110, 12);
}

TEST_F(PaperTest, BoldAndFaceFallbackAreHonoured) {
    if (!QFontDatabase::hasFamily("Times New Roman")) {
        EXPECT_EQ(Printing::PrintFaceFor("Times New Roman"), "Liberation Serif");
    }
    EXPECT_EQ(Printing::PrintFaceFor("Liberation Sans"), "Liberation Sans");

    m_page->SetFont("Times New Roman", 12, false);
    m_page->Text({100, 100}, "l");
    m_page->SetFont("Times New Roman", 12, true);
    m_page->Text({100, 600}, "l");
    const QImage& paper = Paper();
    const auto strokeWidth = [&](int y) {
        const auto runs = DarkRuns(paper, {0, y}, {1, 0}, 400);
        return runs.empty() ? 0 : runs.front();
    };
    EXPECT_GT(strokeWidth(700), strokeWidth(200) + 4);
}

TEST_F(PaperTest, PenWidthIsInDevicePixelsAndOutlineOnlyLeavesTheInsideBlank) {
    m_page->SetPenWidth(6);
    m_page->SetFill(FillStyle::None, Qt::black);
    m_page->Rectangle({200, 200}, {1200, 1000});
    const QImage& paper = Paper();
    const auto runs = DarkRuns(paper, {100, 600}, {1, 0}, 1200);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0], 6, 1);
    EXPECT_NEAR(runs[1], 6, 1);
    EXPECT_FALSE(Dark(paper, 700, 600));
}

TEST_F(PaperTest, SolidFillTakesItsColour) {
    m_page->SetPenWidth(2);
    m_page->SetFill(FillStyle::Solid, QColor(100, 169, 50));
    m_page->Rectangle({200, 200}, {800, 800});
    EXPECT_EQ(QColor(Paper().pixel(500, 500)), QColor(100, 169, 50));
}

// A standard hatch is a line every 8 screen pixels; at 1200 dpi that is a
// line every 100 device pixels, each about 12 pixels thick, so the paper
// shows distinct lines rather than a grey tint.
TEST_F(PaperTest, HatchesKeepScreenSpacingOnPaper) {
    m_page->SetPenWidth(2);
    m_page->SetFill(FillStyle::Horizontal, Qt::black);
    m_page->Rectangle({100, 100}, {1100, 1100});
    m_page->SetFill(FillStyle::Cross, Qt::black);
    m_page->Rectangle({1300, 100}, {2300, 1100});
    m_page->SetFill(FillStyle::DiagonalCross, Qt::black);
    m_page->Rectangle({100, 1300}, {1100, 2300});
    const QImage& paper = Paper();

    const auto expectLines = [&](QPoint from, QPoint step, const char* what) {
        SCOPED_TRACE(what);
        const auto runs = DarkRuns(paper, from, step, 800);
        EXPECT_GE(runs.size(), 6u);
        EXPECT_LE(runs.size(), 12u);
        for (const int run : runs) {
            EXPECT_GE(run, 6);
            EXPECT_LE(run, 40);
        }
    };
    expectLines({600, 200}, {0, 1}, "horizontal hatch, walking down");
    EXPECT_LE(DarkRuns(paper, {200, 150}, {1, 0}, 800).size(), 1u)
        << "the horizontal hatch has vertical lines";
    expectLines({1800, 200}, {0, 1}, "cross hatch, walking down");
    expectLines({1400, 600}, {1, 0}, "cross hatch, walking across");
    expectLines({200, 1800}, {1, 0}, "diagonal cross, walking across");
}

TEST_F(PaperTest, PieSliceSweepsCounterClockwiseFromStartToEnd) {
    m_page->SetPenWidth(5);
    m_page->SetFill(FillStyle::Solid, Qt::black);
    // Box centred on (1200, 1200); from three o'clock to twelve o'clock.
    m_page->Pie({600, 600}, {1800, 1800}, {1800, 1200}, {1200, 600});
    const QImage& paper = Paper();
    EXPECT_TRUE(Dark(paper, 1500, 900));   // upper right quarter
    EXPECT_FALSE(Dark(paper, 900, 900));   // upper left
    EXPECT_FALSE(Dark(paper, 900, 1500));  // lower left
    EXPECT_FALSE(Dark(paper, 1500, 1500)); // lower right
}

} // namespace
