// The printouts' composition at its edges: the chance at the ends of its
// scale, the comment pages, and the advice page's continuation.

#include "printing/AdvicePrint.h"
#include "printing/Utskrift.h"
#include "tests/printing/RecordingCanvas.h"
#include "tests/support/QStringPrinter.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using namespace Printing;

QStringList NumberedLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    return lines;
}

// The report's calls at one pixel per page unit.
QStringList Printed(const std::array<double, kSectorCount>& percentages,
                    const QStringList& comments = {}) {
    ReportData data;
    data.percentTexts = PercentTexts(percentages);
    data.percentages = percentages;
    data.commentLines = comments;
    data.sx = data.sy = 1.0;
    RecordingCanvas canvas;
    PrintReport(canvas, data);
    return canvas.Lines();
}

// A chance below 0 leaves its sector out (nothing is pulled out); a chance of
// 100 % is the whole disc. Legend and label keep the rounded value, its sign too.
TEST(Report, ChanceAtTheEdgesOfTheScale) {
    const std::tuple<std::array<double, kSectorCount>, const char*, QString> cases[] = {
        {{-0.4, 40, 20, 20, 20.4}, "pie 5 cross 5429,3160 8449,6180 8449,4708 7406,3234", "0 %"},
        {{-0.8, 40, 20, 20, 20.8}, "pie 5 cross 5429,3160 8449,6180 8447,4746 7406,3234", "-1 %"},
        {{100, 0, 0, 0, 0}, "pie 5 none 5127,3160 8147,6180 8147,4670 8147,4670", "100 %"},
    };
    for (const auto& [percentages, firstSlice, label] : cases) {
        const QStringList lines = Printed(percentages);
        const QStringList slices = lines.filter(QRegularExpression("^pie"));
        EXPECT_EQ(slices.first(), firstSlice);
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
text B12 1280,8245 Comments
text R10 1280,9180 x)"},
        {NumberedLines(81), 1 + R"(
text B12 1280,8245 Comments
text R10 1280,14790 line 24
page
text B12 1280,300 Comments (cont.)
text R10 1280,715 line 25
text R10 1280,14485 line 79
page
text B12 1280,300 Comments (cont.)
text R10 1280,715 line 80)"},
    };
    for (const auto& [lines, expected] : cases) {
        EXPECT_EQ(Printed({}, lines)
                      .filter(QRegularExpression("^page|Comments| (x|line (24|25|79|80))$"))
                      .join('\n'),
                  expected);
    }
}

// What a page cannot hold continues on a further page under the same notes,
// the blank lines kept in their places (line 52 lies 52 lines down).
TEST(Advice, PageAndItsContinuation) {
    RecordingCanvas canvas;
    PrintAdvice(canvas, "Ann Patient", "19700101-1234", "2026-12-06", "B. Examiner",
                QStringList{"", " "} + NumberedLines(60).mid(2));
    EXPECT_EQ(canvas.Lines().filter(QRegularExpression("^page|Examiner$|line (52|53)$")).join('\n'),
              1 + R"(
text R10 2348,399 B. Examiner
text R12 435,8360 line 52
page
text R10 2348,399 B. Examiner
text R12 435,560 line 53)");
}

} // namespace
