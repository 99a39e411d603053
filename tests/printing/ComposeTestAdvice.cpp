// The advice printout: notes, heading and advice lines, the continuation of
// a text longer than one page, and the ending of the job on errors.

#include "ComposeTestSupport.h"
#include "printing/AdvicePrint.h"

#include <stdexcept>

using namespace Printing;
using namespace Printing::TestSupport;
using Kind = CanvasCall::Kind;

namespace {

const QString Heading = "Preliminary interpretation and proposed measures";

// A printable area of exactly 12000 by 17220 pixels: one pixel per page unit.
RecordingCanvas PrintedAdvice(const QStringList& lines, QSize size = QSize(12000, 17220)) {
    RecordingCanvas canvas(size);
    PrintAdvice(canvas, "Ann Patient", "19700101-1234", "2026-12-06", "B. Examiner", lines);
    return canvas;
}

void ExpectPageHead(const RecordingCanvas& canvas, int page) {
    SCOPED_TRACE(page);
    const auto texts = canvas.Texts(page);
    ASSERT_GE(texts.size(), 5u);
    const std::array<QString, 4> notes = {"Ann Patient", "19700101-1234", "2026-12-06",
                                          "B. Examiner"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[i].text, notes[i]);
        EXPECT_EQ(texts[i].points[0], QPoint(9390, 108 + 230 * i));
        EXPECT_EQ(texts[i].font, Regular(10));
    }
    EXPECT_EQ(texts[4].text, Heading);
    EXPECT_EQ(texts[4].points[0], QPoint(1856, 130));
    EXPECT_EQ(texts[4].font, Bold(14));
}

} // namespace

TEST(AdvicePrintTest, EmptyAdvicePrintsNotesAndHeadingOnly) {
    const RecordingCanvas canvas = PrintedAdvice({});
    ExpectPageHead(canvas, 0);
    EXPECT_EQ(canvas.Texts().size(), 5u);
    EXPECT_EQ(canvas.PageCount(), 1);
    EXPECT_EQ(canvas.Calls().back().kind, Kind::EndDoc);
}

TEST(AdvicePrintTest, FiftyThreeLinesFillExactlyOnePage) {
    const QStringList lines = NumberedLines(53);
    const RecordingCanvas canvas = PrintedAdvice(lines);
    EXPECT_EQ(canvas.PageCount(), 1);
    const auto texts = canvas.Texts(0);
    ASSERT_EQ(texts.size(), 5u + 53u);
    for (int i = 0; i < 53; ++i) {
        EXPECT_EQ(texts[5 + i].text, lines[i]);
        EXPECT_EQ(texts[5 + i].points[0], QPoint(1740, 1120 + 300 * i));
        EXPECT_EQ(texts[5 + i].font, Regular(12));
    }
}

TEST(AdvicePrintTest, LongerTextContinuesOnANewPageInsteadOfBeingLost) {
    const QStringList lines = NumberedLines(60);
    const RecordingCanvas canvas = PrintedAdvice(lines);
    EXPECT_EQ(canvas.PageCount(), 2);

    // The first page is untouched by the continuation.
    ExpectText(canvas, "line 0", {1740, 1120}, Regular(12), 0);
    ExpectText(canvas, "line 52", {1740, 16720}, Regular(12), 0);

    ExpectPageHead(canvas, 1);
    const auto second = canvas.Texts(1);
    ASSERT_EQ(second.size(), 5u + 7u);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(second[5 + k].text, lines[53 + k]);
        EXPECT_EQ(second[5 + k].points[0], QPoint(1740, 1120 + 300 * k));
        EXPECT_EQ(second[5 + k].font, Regular(12));
    }
}

TEST(AdvicePrintTest, BlankLinesKeepTheirPlaceAndScaleComesFromThePage) {
    // 4800 by 6888 pixels: 0.4 pixels per unit each way.
    const QStringList lines = {"  first", "", " ", "last"};
    const RecordingCanvas canvas = PrintedAdvice(lines, QSize(4800, 6888));
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[0].points[0], QPoint(3756, 43)); // 9390 * 0.4, 108 * 0.4
    EXPECT_EQ(texts[3].points[0], QPoint(3756, 319));
    EXPECT_EQ(texts[4].points[0], QPoint(742, 52));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[5 + i].text, lines[i]);
        EXPECT_EQ(texts[5 + i].points[0], QPoint(696, 448 + 120 * i));
    }
}

TEST(AdvicePrintTest, DrawingErrorEndsTheDocumentBeforeItPropagates) {
    for (const Kind kind : {Kind::Text, Kind::NewPage}) {
        RecordingCanvas canvas(QSize(12000, 17220));
        canvas.FailAt(kind, kind == Kind::Text ? 20 : 0, "page refused");
        try {
            PrintAdvice(canvas, "a", "b", "c", "d", NumberedLines(60));
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "page refused");
        }
        EXPECT_EQ(canvas.Calls().back().kind, Kind::EndDoc);
        EXPECT_FALSE(canvas.DocumentOpen());
    }

    RecordingCanvas refused;
    refused.FailAt(Kind::BeginDoc, 0, "There is no default printer currently selected");
    EXPECT_THROW(PrintAdvice(refused, "", "", "", "", {}), std::runtime_error);
    EXPECT_TRUE(refused.Calls().empty());
}
