// The printouts' composition on the recording canvas: every call of the
// chart report, the chance at the edges of its scale, the comment pages, the
// advice page, and the ending of a job whatever goes wrong while it is drawn.

#include "printing/AdvicePrint.h"
#include "printing/Utskrift.h"
#include "tests/printing/RecordingCanvas.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

using namespace Printing;

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

QStringList NumberedLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    return lines;
}

QStringList Printed(const ReportData& data) {
    RecordingCanvas canvas;
    PrintReport(canvas, data);
    return canvas.Lines();
}

std::string Text(const QStringList& lines) {
    return lines.join('\n').toStdString();
}

// A quarter pixel per page unit across and half a pixel down; positions
// computed by hand from the layout's page units, each term rounded half to
// even on its own. In colour the fills of the boxes, slices and frames follow.
TEST(Report, EveryCallInItsPlaceOnAStretchedPage) {
    EXPECT_EQ(Text(Printed(SampleReport(0.25, 0.5))), 1 + R"(
begin Dentiplot
text 0 B18 1250,100 Dentiplot
rect 6 none 320,2160 1052,3525
line 2 880,2160 880,3525
rect 2 none 355,2250 436,2412
rect 2 diagonal 355,2574 436,2736
rect 2 #000000 355,2811 436,2973
rect 2 horizontal 355,3048 436,3210
rect 2 cross 355,3285 436,3447
text 0 R10 471,2205 Actual chance to
text 0 R10 471,2320 avoid new cavities
text 0 R10 471,2584 Diet
text 0 R10 471,2821 Bacteria
text 0 R10 471,3058 Susceptibility
text 0 R10 471,3295 Circumstances
text 0 R10 915,2250 30 %
text 0 R10 941,2584 7 %
text 0 R10 915,2821 20 %
text 0 R10 915,3058 25 %
text 0 R10 915,3295 18 %
text 0 R10 2352,810 Country/area:
text 0 R10 2688,810 Standard set
text 0 R10 2352,960 Group:
text 0 R10 2687,960 High risk
pie 5 none 1402,1458 2157,2968 2157,2213 1663,1495
pie 5 cross 1357,1580 2112,3090 1618,1617 1360,2240
pie 5 horizontal 1357,1580 2112,3090 1360,2240 1687,3084
pie 5 #000000 1357,1580 2112,3090 1687,3084 2076,2656
pie 5 diagonal 1357,1580 2112,3090 2076,2656 2112,2335
text 0 B12 1988,1365 30 %
text 0 B12 1291,1680 18 %
text 0 B12 1282,2860 25 %
text 0 B12 1882,3109 20 %
text 0 B12 2115,2487 7 %
rect 6 none 2410,1769 2937,3641
line 2 2837,1769 2837,3641
text 0 R10 2438,1824 Caries experience
text 0 R10 2866,1824 0
text 0 R10 2438,1999 Related diseases
text 0 R10 2866,1999 1
text 0 R10 2438,2174 Diet, contents
text 0 R10 2866,2174 2
text 0 R10 2438,2349 Diet, frequency
text 0 R10 2866,2349 3
text 0 R10 2438,2524 Plaque amount
text 0 R10 2866,2524 4
text 0 R10 2438,2699 Mutans
text 0 R10 2438,2786 streptococci
text 0 R10 2866,2786 5
text 0 R10 2438,2962 Fluoride program
text 0 R10 2866,2962 6
text 0 R10 2438,3136 Saliva secretion
text 0 R10 2866,3136 7
text 0 R10 2438,3312 Buffer capacity
text 0 R10 2866,3312  
text 0 R10 2438,3486 Clin. judgement
text 0 R10 2866,3486 8
text 0 B12 320,810 Name:
text 0 B12 320,1010 Ident.No.:
text 0 B12 320,1210 Date:
text 0 B12 320,1410 Examiner:
text 0 R10 678,832 Ann Patient
text 0 R10 678,1032 19700101-1234
text 0 R10 678,1232 2026-12-06
text 0 R10 678,1432 B. Examiner
text 0 B12 320,4122 Comments
text 0 R10 320,4335 First line
text 0 R10 320,4463 second
end)");

    ReportData colour = SampleReport();
    colour.colourMode = true;
    QStringList fills;
    for (const QString& line : Printed(colour).filter(QRegularExpression("^(rect|pie)"))) {
        fills << line.section(' ', 2, 2);
    }
    EXPECT_EQ(Text({fills.join(' ')}), "none #64a932 #6666ff #ff6666 #75dbf9 #ffff00 #64a932 "
                                       "#ffff00 #75dbf9 #ff6666 #6666ff none");
}

// A chance of 0 or below leaves its sector out (nothing is pulled out); a
// chance of 100 % is the whole disc. Legend and label keep the rounded value.
TEST(Report, ChanceAtTheEdgesOfTheScale) {
    const std::tuple<std::array<double, kSectorCount>, const char*, QString> cases[] = {
        {{0.0, 40, 20, 20, 20}, "pie 5 cross 5429,3160 8449,6180 8449,4670 7406,3234", "0 %"},
        {{-0.8, 40, 20, 20, 20.8}, "pie 5 cross 5429,3160 8449,6180 8447,4746 7406,3234", "-1 %"},
        {{100, 0, 0, 0, 0}, "pie 5 none 5127,3160 8147,6180 8147,4670 8147,4670", "100 %"},
    };
    for (const auto& [percentages, firstSlice, label] : cases) {
        ReportData data = SampleReport();
        data.percentages = percentages;
        data.percentTexts = PercentTexts(percentages);
        const QStringList lines = Printed(data);
        const QStringList slices = lines.filter(QRegularExpression("^pie"));
        EXPECT_EQ(Text(slices.mid(0, 1)), firstSlice);
        EXPECT_EQ(slices.size(), label == "100 %" ? 1 : 4);
        EXPECT_EQ(lines.filter(QRegularExpression(" " + label + "$")).size(), 2);
    }
}

// Comments print only when a line shows a visible character, then every line:
// 25 on the first page, 55 on each further one under its own heading.
TEST(Report, CommentPagesOfTwentyFiveThenFiftyFiveLines) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"", "   ", "\t", " "}, ""},
        {{"", " ", "x"}, 1 + R"(
text 0 B12 1280,8245 Comments
text 0 R10 1280,9180 x)"},
        {NumberedLines(26), 1 + R"(
text 0 B12 1280,8245 Comments
text 0 R10 1280,14790 line 24
page
text 1 B12 1280,300 Comments (cont.)
text 1 R10 1280,715 line 25)"},
        {NumberedLines(81), 1 + R"(
text 0 B12 1280,8245 Comments
text 0 R10 1280,14790 line 24
page
text 1 B12 1280,300 Comments (cont.)
text 1 R10 1280,715 line 25
text 1 R10 1280,14485 line 79
page
text 2 B12 1280,300 Comments (cont.)
text 2 R10 1280,715 line 80)"},
    };
    for (const auto& [lines, expected] : cases) {
        ReportData data = SampleReport();
        data.commentLines = lines;
        EXPECT_EQ(Text(Printed(data).filter(
                      QRegularExpression("^page|Comments| (x|line (24|25|79|80))$"))),
                  expected);
    }
}

TEST(Report, PercentTextsRoundHalvesToEvenAndKeepTheSign) {
    EXPECT_EQ(
        QStringList({PercentText(12.5), PercentText(13.5), PercentText(-0.4), PercentText(-1.2)}),
        QStringList({"12", "14", "0", "-1"}));
}

// The notes top right, the heading, the lines with blank ones in their place
// (line 52 lies 52 lines down),
// and what a page cannot hold on a further page with the same head.
TEST(Advice, PageAndItsContinuation) {
    RecordingCanvas canvas({3000, 8610});
    PrintAdvice(canvas, "Ann Patient", "19700101-1234", "2026-12-06", "B. Examiner",
                QStringList{"first", "", " "} + NumberedLines(60).mid(3));
    EXPECT_EQ(Text(canvas.Lines().filter(QRegularExpression(
                  "^(begin|page|end)|^text . [RB]1[04] |first$|line (52|53|59)$"))),
              1 + R"(
begin Dentiplot - Preliminary interpretation and proposed measures
text 0 R10 2348,54 Ann Patient
text 0 R10 2348,169 19700101-1234
text 0 R10 2348,284 2026-12-06
text 0 R10 2348,399 B. Examiner
text 0 B14 464,65 Preliminary interpretation and proposed measures
text 0 R12 435,560 first
text 0 R12 435,8360 line 52
page
text 1 R10 2348,54 Ann Patient
text 1 R10 2348,169 19700101-1234
text 1 R10 2348,284 2026-12-06
text 1 R10 2348,399 B. Examiner
text 1 B14 464,65 Preliminary interpretation and proposed measures
text 1 R12 435,560 line 53
text 1 R12 435,1460 line 59
end)");
}

// Whatever fails while a job is drawn, the job is ended before the error goes
// on, also when ending fails too; a job that could not begin leaves nothing.
TEST(Printouts, TheJobIsEndedAndTheErrorGoesOn) {
    class FailingEnd final : public RecordingCanvas {
        void EndDoc() override {
            RecordingCanvas::EndDoc();
            throw std::runtime_error("end failed");
        }
    };
    const std::tuple<bool, const char*, int, bool> cases[] = {
        {true, "pie", 2, false},    {true, "page", 1, false},  {true, "begin", 0, false},
        {false, "text", 20, false}, {false, "page", 0, false}, {true, "text", 0, true}};
    for (const auto& [report, word, occurrence, endFails] : cases) {
        SCOPED_TRACE(::testing::Message() << (report ? "report " : "advice ") << word);
        const std::unique_ptr<RecordingCanvas> canvas(endFails ? new FailingEnd
                                                               : new RecordingCanvas);
        canvas->FailAt(word, occurrence, "page refused");
        ReportData data = SampleReport();
        data.commentLines = NumberedLines(90);
        try {
            report ? PrintReport(*canvas, data)
                   : PrintAdvice(*canvas, "", "", "", "", NumberedLines(60));
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "page refused");
        }
        EXPECT_EQ(canvas->Lines("end").size(), QString(word) == "begin" ? 0 : 1);
        EXPECT_TRUE(canvas->Lines().isEmpty() || canvas->Lines().back() == "end");
    }
}

} // namespace
