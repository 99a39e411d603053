// The chart report's page layout: title, identification, selectors, factor
// table, comment pagination and the ending of the job on errors.

#include "ComposeTestSupport.h"
#include "printing/Utskrift.h"

#include <algorithm>
#include <map>
#include <stdexcept>

using namespace Printing;
using namespace Printing::TestSupport;
using Kind = CanvasCall::Kind;

namespace {

RecordingCanvas Printed(const ReportData& data) {
    RecordingCanvas canvas;
    PrintReport(canvas, data);
    return canvas;
}

} // namespace

TEST(ReportDataTest, PercentTextsRoundHalvesToEvenAndKeepTheSign) {
    EXPECT_EQ(PercentText(12.5), "12");
    EXPECT_EQ(PercentText(13.5), "14");
    EXPECT_EQ(PercentText(-0.4), "0");
    EXPECT_EQ(PercentText(-1.2), "-1");
    const auto texts = PercentTexts({45.5, 20.5, 10.0, 0.3, 23.7});
    EXPECT_EQ(texts[ChanceSector], "46");
    EXPECT_EQ(texts[DietSector], "20");
    EXPECT_EQ(texts[CircumstancesSector], "24");
}

TEST(ReportPageTest, FirstPageTextsAtTheirPositionsInTheirFonts) {
    const RecordingCanvas canvas = Printed(SampleReport());

    ExpectText(canvas, "Dentiplot", {5000, 200}, Bold(18));
    ExpectText(canvas, "Name:", {1280, 1620}, Bold(12));
    ExpectText(canvas, "Ident.No.:", {1280, 2020}, Bold(12));
    ExpectText(canvas, "Date:", {1280, 2420}, Bold(12));
    ExpectText(canvas, "Examiner:", {1280, 2820}, Bold(12));
    ExpectText(canvas, "Ann Patient", {2714, 1665}, Regular(10));
    ExpectText(canvas, "19700101-1234", {2714, 2065}, Regular(10));
    ExpectText(canvas, "2026-12-06", {2714, 2465}, Regular(10));
    ExpectText(canvas, "B. Examiner", {2714, 2865}, Regular(10));
    ExpectText(canvas, "Country/area:", {9406, 1620}, Regular(10));
    ExpectText(canvas, "Standard set", {10751, 1620}, Regular(10));
    ExpectText(canvas, "Group:", {9406, 1920}, Regular(10));
    ExpectText(canvas, "High risk", {10745, 1920}, Regular(10));
    EXPECT_EQ(canvas.PageCount(), 1);
    EXPECT_EQ(canvas.Calls().front().kind, Kind::BeginDoc);
    EXPECT_EQ(canvas.Calls().back().kind, Kind::EndDoc);
}

// At half a pixel per unit every odd position lands on a half pixel, so sums
// of separately rounded terms differ from rounding the sum.
TEST(ReportPageTest, SelectorValuesAddSeparatelyRoundedOffsets) {
    const RecordingCanvas canvas = Printed(SampleReport(0.5, 0.5));
    ExpectText(canvas, "Country/area:", {4703, 810}, Regular(10));
    ExpectText(canvas, "Standard set", {4703 + 672, 810}, Regular(10));
    ExpectText(canvas, "Group:", {4703, 960}, Regular(10));
    ExpectText(canvas, "High risk", {4703 + 670, 960}, Regular(10));
}

TEST(FactorTableTest, FrameAndRuleInPageUnits) {
    const RecordingCanvas canvas = Drawn(DrawFactorTable, SampleReport());
    const auto frame = canvas.CallsOf(Kind::Rectangle);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].points, (std::vector<QPoint>{{9643, 3537}, {11748, 7282}}));
    EXPECT_EQ(frame[0].penWidth, 6);
    EXPECT_EQ(frame[0].fill, FillStyle::None);

    const auto rule = canvas.CallsOf(Kind::Line);
    ASSERT_EQ(rule.size(), 1u);
    EXPECT_EQ(rule[0].points, (std::vector<QPoint>{{11348, 3537}, {11348, 7282}}));
    EXPECT_EQ(rule[0].penWidth, 2);
}

// X0 = 4876, Y0 = 1824, row height 175, name column 738 pixels.
TEST(FactorTableTest, HalfRowsRoundToEvenAndScoresStandOnTheirRows) {
    const RecordingCanvas canvas = Drawn(DrawFactorTable, SampleReport(0.5, 0.5));
    const auto frame = canvas.CallsOf(Kind::Rectangle);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].points, (std::vector<QPoint>{{4821, 1769}, {5874, 1824 + 1662 + 155}}));

    const std::vector<std::pair<QString, int>> rows = {
        {"Related diseases", 1824 + 175},  {"Mutans", 1824 + 875},
        {"streptococci", 1824 + 962},      {"Fluoride program", 1824 + 1138},
        {"Saliva secretion", 1824 + 1312}, {"Buffer capacity", 1824 + 1488},
        {"Clin. judgement", 1824 + 1662},
    };
    for (const auto& [name, y] : rows) {
        ExpectText(canvas, name, {4876, y}, Regular(10));
    }

    // "Mutans" has no score, its score stands on "streptococci"; the empty
    // ninth box prints as a blank cell.
    const int scoreX = 4876 + 738 + 118;
    std::map<int, QString> scoreAtY;
    for (const CanvasCall& call : canvas.Texts()) {
        if (call.points[0].x() == scoreX) {
            scoreAtY[call.points[0].y()] = call.text;
        }
    }
    ASSERT_EQ(scoreAtY.size(), 10u);
    EXPECT_EQ(scoreAtY[1824], "2");
    EXPECT_EQ(scoreAtY.count(1824 + 875), 0u);
    EXPECT_EQ(scoreAtY[1824 + 962], "1");
    EXPECT_EQ(scoreAtY[1824 + 1488], " ");
    EXPECT_EQ(scoreAtY[1824 + 1662], "1");
}

TEST(CommentsTest, NothingPrintedWithoutVisibleText) {
    for (const QStringList& lines : {QStringList{}, QStringList{"", "   ", "\t", " "}}) {
        ReportData data = SampleReport();
        data.commentLines = lines;
        const RecordingCanvas canvas = Printed(data);
        EXPECT_FALSE(canvas.FindText("Comments"));
        EXPECT_EQ(canvas.PageCount(), 1);
        EXPECT_TRUE(canvas.CallsOf(Kind::NewPage).empty());
    }
}

TEST(CommentsTest, OneVisibleLinePrintsHeadingAndEveryBlankLine) {
    ReportData data = SampleReport();
    data.commentLines = {"", "  ", "x", ""};
    const RecordingCanvas canvas = Printed(data);
    ExpectText(canvas, "Comments", {1280, 8245}, Bold(12));
    const auto texts = canvas.Texts();
    const auto first = std::find_if(texts.begin(), texts.end(),
                                    [](const CanvasCall& c) { return c.text == "Comments"; });
    ASSERT_GE(texts.end() - first, 5);
    for (int i = 0; i < 4; ++i) {
        const CanvasCall& line = *(first + 1 + i);
        EXPECT_EQ(line.text, data.commentLines[i]);
        EXPECT_EQ(line.points[0], QPoint(1280, 8670 + 255 * i));
        EXPECT_EQ(line.font, Regular(10));
    }
}

TEST(CommentsTest, PaginationByTwentyFiveThenFiftyFive) {
    struct Case {
        int lines;
        int pages;
    };
    for (const Case c : {Case{25, 1}, Case{26, 2}, Case{80, 2}, Case{81, 3}}) {
        SCOPED_TRACE(c.lines);
        ReportData data = SampleReport();
        data.commentLines = NumberedLines(c.lines);
        const RecordingCanvas canvas = Printed(data);
        EXPECT_EQ(canvas.PageCount(), c.pages);

        ExpectText(canvas, "line 0", {1280, 8670}, Regular(10));
        ExpectText(canvas, "line 24", {1280, 14790}, Regular(10));
        if (c.lines > 25) {
            ExpectText(canvas, "line 25", {1280, 715}, Regular(10), 1);
        }
        if (c.lines >= 80) {
            ExpectText(canvas, "line 79", {1280, 715 + 54 * 255}, Regular(10), 1);
        }
        if (c.lines == 81) {
            ExpectText(canvas, "line 80", {1280, 715}, Regular(10), 2);
            EXPECT_EQ(canvas.Texts(2).size(), 2u); // heading and one line
        }
        for (int page = 1; page < c.pages; ++page) {
            const auto texts = canvas.Texts(page);
            ASSERT_FALSE(texts.empty());
            EXPECT_EQ(texts.front().text, "Comments (cont.)");
            EXPECT_EQ(texts.front().points[0], QPoint(1280, 300));
            EXPECT_EQ(texts.front().font, Bold(12));
        }
    }
}

TEST(CommentsTest, LinePitchIsRoundedOnceAndMultiplied) {
    ReportData data = SampleReport(0.5, 0.5);
    data.commentLines = NumberedLines(26);
    const RecordingCanvas canvas = Printed(data);
    // Round(8670 / 2) + 24 * Round(255 / 2), not Round(14790 / 2).
    ExpectText(canvas, "line 24", {640, 4335 + 24 * 128}, Regular(10));
    ExpectText(canvas, "Comments (cont.)", {640, 150}, Bold(12), 1);
    ExpectText(canvas, "line 25", {640, 358}, Regular(10), 1);
}

TEST(ReportErrorsTest, DrawingErrorEndsTheDocumentBeforeItPropagates) {
    struct Case {
        Kind kind;
        int occurrence;
    };
    for (const Case c : {Case{Kind::Pie, 2}, Case{Kind::Text, 0}, Case{Kind::NewPage, 1}}) {
        ReportData data = SampleReport();
        data.commentLines = NumberedLines(90);
        RecordingCanvas canvas;
        canvas.FailAt(c.kind, c.occurrence, "Printer selected is not valid");
        try {
            PrintReport(canvas, data);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "Printer selected is not valid");
        }
        EXPECT_EQ(canvas.Calls().back().kind, Kind::EndDoc);
        EXPECT_EQ(canvas.CallsOf(Kind::EndDoc).size(), 1u);
        EXPECT_FALSE(canvas.DocumentOpen());
    }
}

TEST(ReportErrorsTest, FailedBeginLeavesNoJobAndAFailingEndKeepsTheFirstError) {
    RecordingCanvas refused;
    refused.FailAt(Kind::BeginDoc, 0, "Printing in progress");
    EXPECT_THROW(PrintReport(refused, SampleReport()), std::runtime_error);
    EXPECT_TRUE(refused.Calls().empty());

    // When ending the job fails too, the user still sees the drawing error.
    class FailingEnd final : public RecordingCanvas {
    public:
        void EndDoc() override { throw std::runtime_error("end failed"); }
    };
    FailingEnd canvas;
    canvas.FailAt(Kind::Pie, 0, "page refused");
    try {
        PrintReport(canvas, SampleReport());
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "page refused");
    }
}
