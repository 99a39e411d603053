// Drawing a printed page on a high-resolution device, an image at 1200 dpi
// standing in for the paper: hatches keep the spacing they have on a screen,
// pie slices sweep counter-clockwise. And the job canvas refuses a second
// document. (Where text lands on paper the end-to-end print tests measure.)

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
    PaperTest() : paper_(2400, 3400, QImage::Format_RGB32) {
        const int dotsPerMetre = Numeric::RoundToInt(Dpi / 0.0254);
        paper_.setDotsPerMeterX(dotsPerMetre);
        paper_.setDotsPerMeterY(dotsPerMetre);
        paper_.fill(Qt::white);
        painter_.begin(&paper_);
        page_.emplace(painter_, paper_, Dpi);
    }

    const QImage& Paper() {
        painter_.end();
        return paper_;
    }

    bool Dark(QPoint at) const { return qGray(paper_.pixel(at)) < 128; }

    QImage paper_;
    QPainter painter_;
    std::optional<Printing::PagePainter> page_;
};

// Four boxes of a standard hatch (a line every 8 screen pixels: at 1200 dpi
// every 100 device pixels, each about 12 thick, so the paper shows lines, not
// grey), walked along lines: how many dark runs are met and how long they are.
TEST_F(PaperTest, HatchesAtPrinterResolution) {
    page_->SetPenWidth(2);
    const std::pair<FillStyle, QPoint> boxes[] = {{FillStyle::Horizontal, {100, 1200}},
                                                  {FillStyle::Cross, {1300, 1200}},
                                                  {FillStyle::DiagonalCross, {100, 2400}},
                                                  {FillStyle::None, {1300, 2400}}};
    for (const auto& [style, corner] : boxes) {
        page_->SetFill(style, Qt::black);
        page_->Rectangle(corner, corner + QPoint(1000, 1000));
    }
    Paper();
    // Along a line from a point: the fewest and most dark runs met, each 6 to 40 pixels long.
    const std::tuple<const char*, QPoint, QPoint, std::size_t, std::size_t> walks[] = {
        {"horizontal hatch, down", {600, 1300}, {0, 1}, 6, 12},
        {"horizontal hatch, across", {200, 1250}, {1, 0}, 0, 1},
        {"cross hatch, down", {1800, 1300}, {0, 1}, 6, 12},
        {"cross hatch, across", {1400, 1700}, {1, 0}, 6, 12},
        {"diagonal cross, across", {200, 2900}, {1, 0}, 6, 12},
        {"outline only, across", {1400, 2900}, {1, 0}, 0, 0},
    };
    for (const auto& [what, from, step, fewest, most] : walks) {
        SCOPED_TRACE(what);
        std::vector<std::pair<int, int>> runs; // start, length
        for (int i = 0; i < 800; ++i) {
            if (Dark(from + step * i)) {
                if (runs.empty() || runs.back().first + runs.back().second != i) {
                    runs.emplace_back(i, 0);
                }
                ++runs.back().second;
            }
        }
        EXPECT_GE(runs.size(), fewest);
        EXPECT_LE(runs.size(), most);
        for (const auto& [start, length] : runs) {
            EXPECT_TRUE(length >= 6 && length <= 40) << start << ": " << length;
        }
    }
}

TEST_F(PaperTest, PieSliceSweepsCounterClockwiseFromStartToEnd) {
    page_->SetFill(FillStyle::Solid, Qt::black);
    // Round (1200, 1200), from three o'clock to twelve o'clock.
    page_->Pie({600, 600}, {1800, 1800}, {1800, 1200}, {1200, 600});
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
