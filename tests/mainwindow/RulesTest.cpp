// The main window's pure rules: where the chart area puts the pie, the
// placeholder and the legend; how a score text is judged and stepped by the
// arrows; and the five data lines of the chart.

#include "mainwindow/ChartLayout.h"
#include "mainwindow/PieItems.h"
#include "mainwindow/ScoreRules.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct LayoutRow {
    QSize chartArea;
    int screenWidth;
    bool firstTime;
    int legendTop;
    QRect pie;
    QPoint placeholder;
};

// Legend 185 by 183, placeholder 186 by 109. Rounding goes half to even.
const LayoutRow kLayouts[] = {
    {{789, 680}, 1024, false, 490, {225, 79, 525, 525}, {396, 287}}, // 1024x768, clamped
    {{789, 680}, 800, false, 490, {287, 141, 400, 400}, {396, 287}}, // 800 wide screen
    {{789, 680}, 801, false, 490, {225, 79, 525, 525}, {396, 287}},
    {{400, 150}, 1024, false, -40, {189, -27, 206, 206}, {202, 21}}, // width decides
    {{189, 300}, 1024, false, 110, {183, 147, 8, 8}, {96, 97}},      // 4.5 -> 4
    {{191, 300}, 1024, false, 110, {183, 146, 10, 10}, {98, 97}},    // 5.5 -> 6
    {{566, 598}, 1024, true, 408, {205, 121, 357, 357}, {282, 245}}, // first layout
    {{1200, 598}, 800, true, 408, {224, -176, 952, 952}, {600, 245}},
};

// Names the row in test names: area, screen width, first layout.
void PrintTo(const LayoutRow& row, std::ostream* os) {
    *os << row.chartArea.width() << 'x' << row.chartArea.height() << '@' << row.screenWidth
        << (row.firstTime ? "first" : "");
}

class ChartLayoutTest : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(ChartLayoutTest, PlacesPiePlaceholderAndLegend) {
    const LayoutRow& row = GetParam();
    const ChartLayout::Result layout = ChartLayout::Compute(
        {row.chartArea, {185, 183}, {186, 109}, row.screenWidth, row.firstTime});
    EXPECT_EQ(layout.legendTop, row.legendTop);
    EXPECT_EQ(layout.pie, row.pie);
    EXPECT_EQ(layout.placeholder, row.placeholder);
}

INSTANTIATE_TEST_SUITE_P(Areas, ChartLayoutTest, ::testing::ValuesIn(kLayouts));

TEST(ScoreRulesTest, CheckJudgesAgainstTheRowMaximum) {
    using enum ScoreRules::Verdict;
    const struct {
        QString text;
        int maximum;
        ScoreRules::Verdict verdict;
    } rows[] = {
        {" ", 3, Blank},      {"0", 3, Accepted},   {"3", 3, Accepted},
        {"2", 2, Accepted},   {"3", 2, OutOfRange}, {"7", 3, OutOfRange},
        {"x", 3, NotNumeric}, {"", 3, NotNumeric},  {QString(QChar(0x0663)), 3, NotNumeric}};
    for (const auto& row : rows) {
        EXPECT_EQ(ScoreRules::Check(row.text, row.maximum), row.verdict) << row.text.toStdString();
    }
}

// The arrows run through blank, 0, 1, ..., maximum and back to blank.
TEST(ScoreRulesTest, ArrowsStepThroughBlankZeroToMaximum) {
    const struct {
        QString text;
        int maximum;
        QString up;
        QString down;
    } rows[] = {{" ", 3, "0", " "}, {"0", 3, "1", " "}, {"1", 2, "2", "0"}, {"2", 2, "2", "1"},
                {"3", 3, "3", "2"}, {"7", 3, "7", "6"}, {"x", 3, " ", " "}};
    for (const auto& row : rows) {
        EXPECT_EQ(ScoreRules::StepUp(row.text, row.maximum), row.up) << row.text.toStdString();
        EXPECT_EQ(ScoreRules::StepDown(row.text), row.down) << row.text.toStdString();
    }
}

TEST(PieItemsTest, ItemsHaveTwoDecimalsAndTheRoundedPercent) {
    const std::pair<double, QString> rows[] = {{21.2437, "21.24 21%"}, {11.0015, "11.00 11%"},
                                               {22.5883, "22.59 23%"}, {100, "100.00 100%"},
                                               {2.5, "2.50 2%"},       {3.5, "3.50 4%"}};
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(PieItems::ItemText(value), text);
    }
    // Legend colour order, the chance raised to 0.5 so its sector shows.
    EXPECT_EQ(PieItems::Items({-0.36, 9.81, 9.82, 75.42, 5.31}),
              QStringList({"0.50 0%", "5.31 5%", "75.42 75%", "9.82 10%", "9.81 10%"}));
    EXPECT_EQ(PieItems::Items({0.5, 1, 1, 1, 1}).front(), "0.50 0%");
}

} // namespace
