// The printouts' composition on the recording canvas: every text and shape
// of the chart report at its place, on the page-unit grid and on a page
// stretched unevenly (where the two scale factors and separately rounded
// terms show), the fills of both modes, the comment pages, the advice page,
// and the ending of a job whatever goes wrong while it is drawn.

#include "printing/AdvicePrint.h"
#include "printing/Utskrift.h"
#include "tests/printing/RecordingCanvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

using namespace Printing;
using Kind = CanvasCall::Kind;

// A call as one line of text, so that a whole printout compares as a table
// and a difference reads plainly. Every text is in "Times New Roman".
std::string Describe(const CanvasCall& call) {
    QString line = call.kind == Kind::Text
                       ? QStringLiteral("p%1 \"%2\" %3%4%5")
                             .arg(call.page)
                             .arg(call.text)
                             .arg(call.font.face == "Times New Roman" ? "" : call.font.face)
                             .arg(call.font.bold ? "B" : "R")
                             .arg(call.font.pointSize)
                       : QStringLiteral("kind%1 pen%2").arg(int(call.kind)).arg(call.penWidth);
    for (const QPoint& point : call.points) {
        line += QStringLiteral(" (%1, %2)").arg(point.x()).arg(point.y());
    }
    return line.toStdString();
}

std::vector<std::string> Described(const std::vector<CanvasCall>& calls) {
    std::vector<std::string> lines;
    std::transform(calls.begin(), calls.end(), std::back_inserter(lines), Describe);
    return lines;
}

// Every expected line was drawn; with `exactly`, nothing else was.
void ExpectDrawn(std::vector<std::string> drawn, std::vector<std::string> expected,
                 bool exactly = true) {
    std::sort(drawn.begin(), drawn.end());
    std::sort(expected.begin(), expected.end());
    if (!exactly) {
        expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    }
    std::vector<std::string> missing;
    std::vector<std::string> extra;
    std::set_difference(expected.begin(), expected.end(), drawn.begin(), drawn.end(),
                        std::back_inserter(missing));
    std::set_difference(drawn.begin(), drawn.end(), expected.begin(), expected.end(),
                        std::back_inserter(extra));
    std::string report;
    for (const std::string& line : missing) {
        report += "  missing    " + line + "\n";
    }
    for (const std::string& line : exactly ? extra : std::vector<std::string>{}) {
        report += "  unexpected " + line + "\n";
    }
    EXPECT_TRUE(report.empty()) << report;
}

CanvasCall TextCall(const QString& text, int page, const char* font, QPoint at) {
    CanvasCall call;
    call.kind = Kind::Text;
    call.text = text;
    call.page = page;
    call.font = {"Times New Roman", QString(font).mid(1).toInt(), font[0] == 'B'};
    call.points = {at};
    return call;
}

ReportData SampleReport(double sx = 1.0, double sy = 1.0) {
    ReportData data;
    // Ten different marks, so that a score on a wrong row shows; the ninth box is empty.
    data.scoreTexts = {"0", "1", "2", "3", "4", "5", "6", "7", " ", "8"};
    data.countryAreaText = "Standard set";
    data.groupText = "High risk";
    // A chance of 30 % pulls its sector out both sideways and up.
    data.percentages = {30, 7, 20, 25, 18};
    data.percentTexts = PercentTexts(data.percentages);
    data.name = "Ann Patient";
    data.identNo = "19700101-1234";
    data.date = "2026-12-06";
    data.examiner = "B. Examiner";
    data.commentLines = {"First line", "second"};
    data.sx = sx;
    data.sy = sy;
    return data;
}

QStringList NumberedLines(int count, int from = 0) {
    QStringList lines;
    for (int i = from; i < count; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    return lines;
}

RecordingCanvas PrintedReport(const ReportData& data) {
    RecordingCanvas canvas;
    PrintReport(canvas, data);
    return canvas;
}

// The report on the page-unit grid (one pixel per unit) and stretched to a
// quarter pixel per unit across and half a pixel down.
struct Scale {
    const char* name;
    double sx;
    double sy;
    bool stretched;
};
const Scale Scales[] = {{"units", 1.0, 1.0, false}, {"stretched", 0.25, 0.5, true}};

void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.name;
}

class ReportLayout : public ::testing::TestWithParam<Scale> {
protected:
    QPoint Pick(QPoint units, QPoint stretched) const {
        return GetParam().stretched ? stretched : units;
    }
    RecordingCanvas Printed() const {
        return PrintedReport(SampleReport(GetParam().sx, GetParam().sy));
    }
};

// Text, font, and top-left corner on each scale. Positions computed by hand
// from the layout's page units, rounded half to even term by term.
struct Placed {
    const char* text;
    const char* font;
    QPoint units;
    QPoint stretched;
};
constexpr const char* B18 = "B18";
constexpr const char* B12 = "B12";
constexpr const char* R10 = "R10";
const Placed ReportTexts[] = {
    {"Dentiplot", B18, {5000, 200}, {1250, 100}},
    {"Name:", B12, {1280, 1620}, {320, 810}},
    {"Ident.No.:", B12, {1280, 2020}, {320, 1010}},
    {"Date:", B12, {1280, 2420}, {320, 1210}},
    {"Examiner:", B12, {1280, 2820}, {320, 1410}},
    {"Ann Patient", R10, {2714, 1665}, {678, 832}},
    {"19700101-1234", R10, {2714, 2065}, {678, 1032}},
    {"2026-12-06", R10, {2714, 2465}, {678, 1232}},
    {"B. Examiner", R10, {2714, 2865}, {678, 1432}},
    {"Country/area:", R10, {9406, 1620}, {2352, 810}},
    {"Standard set", R10, {10751, 1620}, {2688, 810}},
    {"Group:", R10, {9406, 1920}, {2352, 960}},
    {"High risk", R10, {10745, 1920}, {2687, 960}},
    {"Actual chance to", R10, {1885, 4410}, {471, 2205}},
    {"avoid new cavities", R10, {1885, 4640}, {471, 2320}},
    {"Diet", R10, {1885, 5170}, {471, 2584}},
    {"Bacteria", R10, {1885, 5645}, {471, 2821}},
    {"Susceptibility", R10, {1885, 6120}, {471, 3058}},
    {"Circumstances", R10, {1885, 6595}, {471, 3295}},
    {"30 %", R10, {3660, 4500}, {915, 2250}},
    {"7 %", R10, {3764, 5170}, {941, 2584}},
    {"20 %", R10, {3660, 5645}, {915, 2821}},
    {"25 %", R10, {3660, 6120}, {915, 3058}},
    {"18 %", R10, {3660, 6595}, {915, 3295}},
    {"30 %", B12, {7951, 2730}, {1988, 1365}},
    {"18 %", B12, {5164, 3360}, {1291, 1680}},
    {"25 %", B12, {5127, 5720}, {1282, 2860}},
    {"20 %", B12, {7529, 6217}, {1882, 3109}},
    {"7 %", B12, {8462, 4975}, {2115, 2487}},
    {"Caries experience", R10, {9753, 3647}, {2438, 1824}},
    {"0", R10, {11463, 3647}, {2866, 1824}},
    {"Related diseases", R10, {9753, 3997}, {2438, 1999}},
    {"1", R10, {11463, 3997}, {2866, 1999}},
    {"Diet, contents", R10, {9753, 4347}, {2438, 2174}},
    {"2", R10, {11463, 4347}, {2866, 2174}},
    {"Diet, frequency", R10, {9753, 4697}, {2438, 2349}},
    {"3", R10, {11463, 4697}, {2866, 2349}},
    {"Plaque amount", R10, {9753, 5047}, {2438, 2524}},
    {"4", R10, {11463, 5047}, {2866, 2524}},
    {"Mutans", R10, {9753, 5397}, {2438, 2699}},
    {"streptococci", R10, {9753, 5572}, {2438, 2786}},
    {"5", R10, {11463, 5572}, {2866, 2786}},
    {"Fluoride program", R10, {9753, 5922}, {2438, 2962}},
    {"6", R10, {11463, 5922}, {2866, 2962}},
    {"Saliva secretion", R10, {9753, 6272}, {2438, 3136}},
    {"7", R10, {11463, 6272}, {2866, 3136}},
    {"Buffer capacity", R10, {9753, 6622}, {2438, 3312}},
    {" ", R10, {11463, 6622}, {2866, 3312}},
    {"Clin. judgement", R10, {9753, 6972}, {2438, 3486}},
    {"8", R10, {11463, 6972}, {2866, 3486}},
    {"Comments", B12, {1280, 8245}, {320, 4122}},
    {"First line", R10, {1280, 8670}, {320, 4335}},
    {"second", R10, {1280, 8925}, {320, 4463}},
};

TEST_P(ReportLayout, EveryTextInItsPlaceAndFont) {
    std::vector<std::string> expected;
    for (const Placed& row : ReportTexts) {
        expected.push_back(
            Describe(TextCall(row.text, 0, row.font, Pick(row.units, row.stretched))));
    }
    const RecordingCanvas canvas = Printed();
    ExpectDrawn(Described(canvas.Texts()), expected);
    EXPECT_EQ(canvas.PageCount(), 1);
}

// Legend frame, rule and sample boxes; the five slices (chance first, pulled
// out); the factor table's frame and rule.
struct Shape {
    Kind kind;
    int penWidth;
    std::vector<QPoint> units;
    std::vector<QPoint> stretched;
};
const Shape ReportShapes[] = {
    {Kind::Rectangle, 6, {{1280, 4320}, {4210, 7050}}, {{320, 2160}, {1052, 3525}}},
    {Kind::Line, 2, {{3520, 4320}, {3520, 7050}}, {{880, 2160}, {880, 3525}}},
    {Kind::Rectangle, 2, {{1420, 4500}, {1745, 4825}}, {{355, 2250}, {436, 2412}}},
    {Kind::Rectangle, 2, {{1420, 5150}, {1745, 5475}}, {{355, 2574}, {436, 2736}}},
    {Kind::Rectangle, 2, {{1420, 5625}, {1745, 5950}}, {{355, 2811}, {436, 2973}}},
    {Kind::Rectangle, 2, {{1420, 6100}, {1745, 6425}}, {{355, 3048}, {436, 3210}}},
    {Kind::Rectangle, 2, {{1420, 6575}, {1745, 6900}}, {{355, 3285}, {436, 3447}}},
    {Kind::Pie,
     5,
     {{5607, 2916}, {8627, 5936}, {8627, 4426}, {6650, 2990}},
     {{1402, 1458}, {2157, 2968}, {2157, 2213}, {1663, 1495}}},
    {Kind::Pie,
     5,
     {{5429, 3160}, {8449, 6180}, {6472, 3234}, {5441, 4481}},
     {{1357, 1580}, {2112, 3090}, {1618, 1617}, {1360, 2240}}},
    {Kind::Pie,
     5,
     {{5429, 3160}, {8449, 6180}, {5441, 4481}, {6750, 6168}},
     {{1357, 1580}, {2112, 3090}, {1360, 2240}, {1687, 3084}}},
    {Kind::Pie,
     5,
     {{5429, 3160}, {8449, 6180}, {6750, 6168}, {8305, 5313}},
     {{1357, 1580}, {2112, 3090}, {1687, 3084}, {2076, 2656}}},
    {Kind::Pie,
     5,
     {{5429, 3160}, {8449, 6180}, {8305, 5313}, {8449, 4670}},
     {{1357, 1580}, {2112, 3090}, {2076, 2656}, {2112, 2335}}},
    {Kind::Rectangle, 6, {{9643, 3537}, {11748, 7282}}, {{2410, 1769}, {2937, 3641}}},
    {Kind::Line, 2, {{11348, 3537}, {11348, 7282}}, {{2837, 1769}, {2837, 3641}}},
};

TEST_P(ReportLayout, EveryShapeInItsPlaceWithItsPen) {
    std::vector<std::string> expected;
    for (const Shape& row : ReportShapes) {
        CanvasCall call;
        call.kind = row.kind;
        call.penWidth = row.penWidth;
        call.points = GetParam().stretched ? row.stretched : row.units;
        expected.push_back(Describe(call));
    }
    const RecordingCanvas canvas = Printed();
    std::vector<CanvasCall> shapes;
    std::copy_if(
        canvas.Calls().begin(), canvas.Calls().end(), std::back_inserter(shapes),
        [](const CanvasCall& call) { return !call.points.empty() && call.kind != Kind::Text; });
    ExpectDrawn(Described(shapes), expected);
}

INSTANTIATE_TEST_SUITE_P(Scales, ReportLayout, ::testing::ValuesIn(Scales),
                         [](const auto& info) { return std::string(info.param.name); });

// Fills in legend order: chance, diet, bacteria, susceptibility, circumstances.
TEST(ReportFills, SampleBoxesAndSlicesInBothModesOnEveryPrintout) {
    struct Fill {
        FillStyle style;
        QColor colour;
    };
    const Fill colourFills[] = {{FillStyle::Solid, QColor(100, 169, 50)},
                                {FillStyle::Solid, QColor(102, 102, 255)},
                                {FillStyle::Solid, QColor(255, 102, 102)},
                                {FillStyle::Solid, QColor(117, 219, 249)},
                                {FillStyle::Solid, QColor(255, 255, 0)}};
    const Fill patternFills[] = {{FillStyle::None, {}},
                                 {FillStyle::DiagonalCross, {}},
                                 {FillStyle::Solid, Qt::black},
                                 {FillStyle::Horizontal, {}},
                                 {FillStyle::Cross, {}}};
    const auto expectFill = [](const CanvasCall& call, const Fill& fill) {
        EXPECT_EQ(call.fill, fill.style);
        if (fill.style == FillStyle::Solid) {
            EXPECT_EQ(call.fillColour, fill.colour);
        }
    };
    // Round the pie: chance, circumstances, susceptibility, bacteria, diet.
    const int legendRowOfSlice[] = {0, 4, 3, 2, 1};
    for (const bool colour : {true, false, true}) {
        SCOPED_TRACE(colour ? "colour" : "black and white");
        ReportData data = SampleReport();
        data.colourMode = colour;
        const RecordingCanvas canvas = PrintedReport(data);
        const Fill* fills = colour ? colourFills : patternFills;
        const auto rects = canvas.CallsOf(Kind::Rectangle);
        const auto pies = canvas.CallsOf(Kind::Pie);
        ASSERT_EQ(rects.size(), 7u);
        ASSERT_EQ(pies.size(), 5u);
        EXPECT_EQ(rects[0].fill, FillStyle::None); // legend frame
        EXPECT_EQ(rects[6].fill, FillStyle::None); // factor table frame
        for (int i = 0; i < 5; ++i) {
            expectFill(rects[1 + i], fills[i]);
            expectFill(pies[i], fills[legendRowOfSlice[i]]);
        }
    }
}

// A chance of 0 or below leaves its sector out (nothing is pulled out); a
// chance of 100 % is the whole disc. Legend and label keep the rounded value.
TEST(ReportPie, ChanceAtTheEdgesOfTheScale) {
    struct Case {
        std::array<double, SectorCount> percentages;
        int slices;
        QPoint firstBox;
        QString chanceLabel;
    };
    const Case cases[] = {
        {{0.0, 40, 20, 20, 20}, 4, {5429, 3160}, "0 %"},
        {{-0.8, 40, 20, 20, 20.8}, 4, {5429, 3160}, "-1 %"},
        {{100, 0, 0, 0, 0}, 1, {5127, 3160}, "100 %"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chanceLabel.toStdString());
        ReportData data = SampleReport();
        data.percentages = c.percentages;
        data.percentTexts = PercentTexts(c.percentages);
        const RecordingCanvas canvas = PrintedReport(data);
        const auto pies = canvas.CallsOf(Kind::Pie);
        ASSERT_EQ(static_cast<int>(pies.size()), c.slices);
        EXPECT_EQ(pies[0].points[0], c.firstBox);
        for (const CanvasCall& pie : pies) {
            // Coinciding rays mean the whole disc: only for a lone slice.
            EXPECT_EQ(pie.points[2] == pie.points[3], c.slices == 1);
        }
        const auto texts = canvas.Texts();
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                [&](const CanvasCall& t) { return t.text == c.chanceLabel; }),
                  2);
    }
}

TEST(ReportComments, PrintedOnlyWithAVisibleCharacterAndThenEveryLine) {
    for (const QStringList& lines :
         {QStringList{}, QStringList{"", "   ", "\t", " "}, QStringList{"", "  ", "x", ""}}) {
        SCOPED_TRACE(lines.join('|').toStdString());
        ReportData data = SampleReport();
        data.commentLines = lines;
        const RecordingCanvas canvas = PrintedReport(data);
        const bool printed = lines.contains("x");
        EXPECT_EQ(canvas.FindText("Comments").has_value(), printed);
        std::vector<std::string> expected;
        for (int i = 0; printed && i < lines.size(); ++i) {
            expected.push_back(Describe(TextCall(lines[i], 0, R10, {1280, 8670 + 255 * i})));
        }
        std::vector<CanvasCall> commentLines = canvas.Texts();
        std::erase_if(commentLines, [](const CanvasCall& t) { return t.points[0].y() < 8670; });
        ExpectDrawn(Described(commentLines), expected);
        EXPECT_EQ(canvas.PageCount(), 1);
    }
}

// 25 lines on the first page, 55 on each further one, which opens with its
// own heading.
TEST(ReportComments, PagesOfTwentyFiveThenFiftyFiveLines) {
    struct Case {
        int lines;
        int pages;
        int lastPage;
        int lastY;
    };
    for (const Case c :
         {Case{25, 1, 0, 14790}, Case{26, 2, 1, 715}, Case{80, 2, 1, 14485}, Case{81, 3, 2, 715}}) {
        SCOPED_TRACE(c.lines);
        ReportData data = SampleReport();
        data.commentLines = NumberedLines(c.lines);
        const RecordingCanvas canvas = PrintedReport(data);
        EXPECT_EQ(canvas.PageCount(), c.pages);
        std::vector<std::string> expected = {
            Describe(TextCall(data.commentLines.back(), c.lastPage, R10, {1280, c.lastY}))};
        for (int page = 1; page < c.pages; ++page) {
            expected.push_back(Describe(TextCall("Comments (cont.)", page, B12, {1280, 300})));
            expected.push_back(Describe(TextCall(
                QStringLiteral("line %1").arg(25 + 55 * (page - 1)), page, R10, {1280, 715})));
        }
        ExpectDrawn(Described(canvas.Texts()), expected, false);
    }
}

TEST(ReportData, PercentTextsRoundHalvesToEvenAndKeepTheSign) {
    const std::pair<double, QString> rows[] = {
        {12.5, "12"}, {13.5, "14"}, {-0.4, "0"}, {-1.2, "-1"}};
    for (const auto& [percentage, text] : rows) {
        EXPECT_EQ(PercentText(percentage), text) << percentage;
    }
}

// The advice page on both scales: the notes top right, the heading, the lines
// with blank ones in their place, and what one page cannot hold on a further
// page with the same head.
TEST_P(ReportLayout, AdvicePageAndItsContinuation) {
    const QSize printable(static_cast<int>(12000 * GetParam().sx),
                          static_cast<int>(17220 * GetParam().sy));
    RecordingCanvas canvas(printable);
    const QStringList lines = QStringList{"first", "", " "} + NumberedLines(60, 3);
    PrintAdvice(canvas, "Ann Patient", "19700101-1234", "2026-12-06", "B. Examiner", lines);

    const QString heading = "Preliminary interpretation and proposed measures";
    const Placed head[] = {
        {"Ann Patient", R10, {9390, 108}, {2348, 54}},
        {"19700101-1234", R10, {9390, 338}, {2348, 169}},
        {"2026-12-06", R10, {9390, 568}, {2348, 284}},
        {"B. Examiner", R10, {9390, 798}, {2348, 399}},
        {"", "B14", {1856, 130}, {464, 65}},
    };
    struct Line {
        int index;
        int page;
        QPoint units;
        QPoint stretched;
    };
    const Line body[] = {{0, 0, {1740, 1120}, {435, 560}},  {1, 0, {1740, 1420}, {435, 710}},
                         {2, 0, {1740, 1720}, {435, 860}},  {52, 0, {1740, 16720}, {435, 8360}},
                         {53, 1, {1740, 1120}, {435, 560}}, {59, 1, {1740, 2920}, {435, 1460}}};
    std::vector<std::string> expected;
    for (int page = 0; page < 2; ++page) {
        for (const Placed& row : head) {
            const QString text = *row.text ? QString(row.text) : heading;
            expected.push_back(
                Describe(TextCall(text, page, row.font, Pick(row.units, row.stretched))));
        }
    }
    for (const Line& line : body) {
        expected.push_back(Describe(
            TextCall(lines[line.index], line.page, "R12", Pick(line.units, line.stretched))));
    }
    ExpectDrawn(Described(canvas.Texts()), expected, false);
    EXPECT_EQ(canvas.Texts(0).size(), 5u + 53u);
    EXPECT_EQ(canvas.Texts(1).size(), 5u + 7u);
    EXPECT_EQ(canvas.PageCount(), 2);
}

// Whatever fails while a job is drawn, the job is ended before the error goes
// on; a job that could not begin leaves nothing behind.
TEST(PrintoutErrors, TheJobIsEndedAndTheErrorGoesOn) {
    struct Case {
        bool report;
        Kind kind;
        int occurrence;
    };
    const Case cases[] = {{true, Kind::Pie, 2},      {true, Kind::Text, 0},
                          {true, Kind::NewPage, 1},  {true, Kind::BeginDoc, 0},
                          {false, Kind::Text, 20},   {false, Kind::NewPage, 0},
                          {false, Kind::BeginDoc, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << (c.report ? "report" : "advice") << " call " << int(c.kind));
        RecordingCanvas canvas;
        canvas.FailAt(c.kind, c.occurrence, "page refused");
        ReportData data = SampleReport();
        data.commentLines = NumberedLines(90);
        try {
            c.report ? PrintReport(canvas, data)
                     : PrintAdvice(canvas, "", "", "", "", NumberedLines(60));
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "page refused");
        }
        const auto endings = canvas.CallsOf(Kind::EndDoc);
        EXPECT_EQ(endings.size(), c.kind == Kind::BeginDoc ? 0u : 1u);
        EXPECT_TRUE(canvas.Calls().empty() || canvas.Calls().back().kind == Kind::EndDoc);
    }

    // When ending the job fails too, the user still sees the drawing error.
    class FailingEnd final : public RecordingCanvas {
    public:
        void EndDoc() override { throw std::runtime_error("end failed"); }
    };
    FailingEnd canvas;
    canvas.FailAt(Kind::Pie, 0, "page refused");
    try {
        PrintReport(canvas, SampleReport());
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "page refused");
    }
}

} // namespace
