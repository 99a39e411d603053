// The printed chart: legend frame, sample boxes and fills, the five pie
// slices with the pulled-out chance sector, and the percentage labels.

#include "ComposeTestSupport.h"
#include "printing/Utskrift.h"
#include "resources/SectorPalette.h"

using namespace Printing;
using namespace Printing::TestSupport;
using Kind = CanvasCall::Kind;

namespace {

ReportData WithPercentages(std::array<double, SectorCount> percentages, bool colour = true) {
    ReportData data = SampleReport();
    data.percentages = percentages;
    data.percentTexts = PercentTexts(percentages);
    data.colourMode = colour;
    return data;
}

struct Style {
    FillStyle fill;
    QColor colour;
};

void ExpectFill(const CanvasCall& call, Style style) {
    EXPECT_EQ(call.fill, style.fill);
    if (style.fill == FillStyle::Solid) {
        EXPECT_EQ(call.fillColour, style.colour);
    }
}

// Fills in legend order: chance, diet, bacteria, susceptibility, circumstances.
const std::array<Style, SectorCount> ColourFills = {{
    {FillStyle::Solid, SectorColours[SectorIndex::Chance]},
    {FillStyle::Solid, SectorColours[SectorIndex::Diet]},
    {FillStyle::Solid, SectorColours[SectorIndex::Bacteria]},
    {FillStyle::Solid, SectorColours[SectorIndex::Susceptibility]},
    {FillStyle::Solid, SectorColours[SectorIndex::Circumstances]},
}};
const std::array<Style, SectorCount> PatternFills = {{
    {FillStyle::None, {}},
    {FillStyle::DiagonalCross, {}},
    {FillStyle::Solid, Qt::black},
    {FillStyle::Horizontal, {}},
    {FillStyle::Cross, {}},
}};

} // namespace

TEST(LegendTest, FrameRuleAndSampleBoxesWithTheirFillsInBothModes) {
    for (const bool colour : {true, false}) {
        SCOPED_TRACE(colour ? "colour" : "black and white");
        const RecordingCanvas canvas =
            Drawn(DrawLegend, WithPercentages({50, 20, 10, 10, 10}, colour));
        const auto rects = canvas.CallsOf(Kind::Rectangle);
        ASSERT_EQ(rects.size(), 6u);
        EXPECT_EQ(rects[0].points, (std::vector<QPoint>{{1280, 4320}, {4210, 7050}}));
        EXPECT_EQ(rects[0].penWidth, 6);
        EXPECT_EQ(rects[0].fill, FillStyle::None);

        const auto rule = canvas.CallsOf(Kind::Line);
        ASSERT_EQ(rule.size(), 1u);
        EXPECT_EQ(rule[0].points, (std::vector<QPoint>{{3520, 4320}, {3520, 7050}}));
        EXPECT_EQ(rule[0].penWidth, 2);

        // A full box height under the chance box, then gaps of 150.
        const std::array<int, SectorCount> tops = {4500, 5150, 5625, 6100, 6575};
        for (int row = 0; row < SectorCount; ++row) {
            const CanvasCall& box = rects[row + 1];
            EXPECT_EQ(box.points,
                      (std::vector<QPoint>{{1420, tops[row]}, {1745, tops[row] + 325}}));
            EXPECT_EQ(box.penWidth, 2);
            ExpectFill(box, (colour ? ColourFills : PatternFills)[row]);
        }
    }
}

TEST(LegendTest, NamesAndPercentagesWithTheOneDigitShift) {
    const RecordingCanvas canvas = Drawn(DrawLegend, WithPercentages({45, 7, 10, 25, 13}));
    ExpectText(canvas, "Actual chance to", {1885, 4410}, Regular(10));
    ExpectText(canvas, "avoid new cavities", {1885, 4640}, Regular(10));
    ExpectText(canvas, "Diet", {1885, 5170}, Regular(10));
    ExpectText(canvas, "Bacteria", {1885, 5645}, Regular(10));
    ExpectText(canvas, "Susceptibility", {1885, 6120}, Regular(10));
    ExpectText(canvas, "Circumstances", {1885, 6595}, Regular(10));

    ExpectText(canvas, "45 %", {3660, 4500}, Regular(10));
    ExpectText(canvas, "7 %", {3660 + 104, 5170}, Regular(10));
    ExpectText(canvas, "10 %", {3660, 5645}, Regular(10));
    ExpectText(canvas, "25 %", {3660, 6120}, Regular(10));

    const RecordingCanvas full = Drawn(DrawLegend, WithPercentages({100, 0, 0, 0, 0}));
    EXPECT_EQ(full.FindText("100 %")->points[0], QPoint(3660, 4500));
    EXPECT_EQ(full.FindText("0 %")->points[0], QPoint(3764, 5170));
}

TEST(PieTest, FiveSlicesWithTheChanceSectorPulledOut) {
    const RecordingCanvas canvas = Drawn(DrawPie, WithPercentages({50, 20, 10, 10, 10}));
    const auto pies = canvas.CallsOf(Kind::Pie);
    ASSERT_EQ(pies.size(), 5u);

    // Chance: the upper half, moved straight up by 302 to (6939, 4368).
    // The others round the centre; diet closes the pie at three o'clock.
    using Points = std::vector<QPoint>;
    const std::array<Points, 5> expected = {{
        {{5429, 2858}, {8449, 5878}, {8449, 4368}, {5429, 4368}},
        {{5429, 3160}, {8449, 6180}, {5429, 4670}, {5717, 5558}},
        {{5429, 3160}, {8449, 6180}, {5717, 5558}, {6472, 6106}},
        {{5429, 3160}, {8449, 6180}, {6472, 6106}, {7406, 6106}},
        {{5429, 3160}, {8449, 6180}, {7406, 6106}, {8449, 4670}},
    }};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pies[i].points, expected[i]) << "slice " << i;
        EXPECT_EQ(pies[i].penWidth, 5);
    }
}

TEST(PieTest, SliceFillsInBothModes) {
    // Slice order round the pie: chance, circumstances, susceptibility,
    // bacteria, diet; the style tables are in legend order.
    const std::array<int, SectorCount> legendRow = {0, 4, 3, 2, 1};
    for (const bool colour : {true, false}) {
        SCOPED_TRACE(colour ? "colour" : "black and white");
        RecordingCanvas canvas;
        canvas.BeginDoc("two reports");
        // Printing twice must not lose the colours the second time.
        DrawPie(canvas, WithPercentages({50, 20, 10, 10, 10}, colour));
        DrawPie(canvas, WithPercentages({50, 20, 10, 10, 10}, colour));
        const auto pies = canvas.CallsOf(Kind::Pie);
        ASSERT_EQ(pies.size(), 10u);
        for (int i = 0; i < 10; ++i) {
            ExpectFill(pies[i], (colour ? ColourFills : PatternFills)[legendRow[i % 5]]);
        }
    }
}

TEST(PieTest, ScaledSliceCornersRoundWholeCoordinates) {
    ReportData data = WithPercentages({50, 20, 10, 10, 10});
    data.sx = 0.5;
    data.sy = 0.25;
    const RecordingCanvas canvas = Drawn(DrawPie, data);
    const auto pies = canvas.CallsOf(Kind::Pie);
    ASSERT_EQ(pies.size(), 5u);
    // (6939 - 1510) / 2 = 2714.5 -> 2714; 2858 / 4 = 714.5 -> 714; 8449 / 2 -> 4224.
    EXPECT_EQ(pies[0].points[0], QPoint(2714, 714));
    EXPECT_EQ(pies[0].points[1], QPoint(4224, 1470));
    EXPECT_EQ(pies[0].points[2], QPoint(4224, 1092));
}

TEST(PieTest, ChanceOfZeroOrBelowDrawsNoChanceSlice) {
    for (const double chance : {0.0, -0.8}) {
        SCOPED_TRACE(chance);
        ReportData data = WithPercentages({chance, 40, 20, 20, 20 - chance});
        RecordingCanvas canvas;
        PrintReport(canvas, data);
        const auto pies = canvas.CallsOf(Kind::Pie);
        ASSERT_EQ(pies.size(), 4u);
        for (const CanvasCall& pie : pies) {
            EXPECT_EQ(pie.points[0], QPoint(5429, 3160)); // none pulled out
            EXPECT_NE(pie.points[2], pie.points[3]);
        }
        // Legend row and label keep the rounded value.
        const QString label = chance < 0 ? "-1 %" : "0 %";
        int written = 0;
        for (const CanvasCall& text : canvas.Texts()) {
            written += text.text == label ? 1 : 0;
        }
        EXPECT_EQ(written, 2);
    }
}

TEST(PieTest, WholeDiscSectorIsKeptAndEmptySectorsLeftOut) {
    const RecordingCanvas canvas = Drawn(DrawPie, WithPercentages({100, 0, 0, 0, 0}));
    const auto pies = canvas.CallsOf(Kind::Pie);
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_EQ(pies[0].points[2], pies[0].points[3]);
    EXPECT_EQ(pies[0].fillColour, SectorColours[SectorIndex::Chance]);
}

TEST(PieLabelsTest, LabelsAtTheSectorMiddlesWithRoundedTexts) {
    // Unrounded percentages set the angles, rounded ones the texts.
    ReportData data = WithPercentages({50, 20, 10, 10, 10});
    data.percentTexts = {"50", "20", "10", "9", "11"};
    const RecordingCanvas canvas = Drawn(DrawPieLabels, data);
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 5u);
    const std::array<std::pair<QString, QPoint>, 5> expected = {{
        {"50 %", {6619, 2297}}, // chance, middle angle pi/2, 1.2 label radii
        {"11 %", {4823, 5146}}, // circumstances
        {"9 %", {5509, 6090}},  // susceptibility
        {"10 %", {6619, 6451}}, // bacteria
        {"20 %", {8146, 5673}}, // diet
    }};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(texts[i].text, expected[i].first);
        EXPECT_EQ(texts[i].points[0], expected[i].second);
        EXPECT_EQ(texts[i].font, Bold(12));
    }
}
