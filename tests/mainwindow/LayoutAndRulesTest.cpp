// The main window's pure rules: chart-area layout, chart items, score checks
// and spin steps, and the error box text.

#include "mainwindow/ChartLayout.h"
#include "mainwindow/CommandGuard.h"
#include "mainwindow/PieItems.h"
#include "mainwindow/ScoreRules.h"
#include "model/SectorComputation.h"

#include <gtest/gtest.h>

namespace {

ChartLayout::Input Area(int width, int height, int screenWidth, bool firstTime = false) {
    ChartLayout::Input input;
    input.chartArea = QSize(width, height);
    input.legend = QSize(185, 183);
    input.placeholder = QSize(186, 109);
    input.screenWidth = screenWidth;
    input.firstTime = firstTime;
    return input;
}

TEST(ChartLayoutTest, MaximisedOn1024ScreenIsClampedTo525) {
    // 1024x768 maximised: chart area 789 wide (1024 - 235), 680 high.
    const auto layout = ChartLayout::Compute(Area(789, 680, 1024));
    EXPECT_EQ(layout.legendTop, 680 - 183 - 7);
    // D = 789 - 185 + 5 = 609; 609 * 0.9375 = 570.9 -> clamped to 525.
    // Left: 604 div 2 + 185 - 262; top: Round(340 - 262.5) = 78 (half to even) + 1.
    EXPECT_EQ(layout.pie, QRect(225, 79, 525, 525));
    // Placeholder: Round(304.5) = 304 (half to even) + 185 - 93; Round(340 - 54.5) + 1.
    EXPECT_EQ(layout.placeholder, QPoint(304 + 185 - 93, 286 + 1));
}

TEST(ChartLayoutTest, NarrowScreenClampsTo400) {
    const auto layout = ChartLayout::Compute(Area(789, 680, 800));
    EXPECT_EQ(layout.pie.size(), QSize(400, 400));
    EXPECT_EQ(layout.pie.left(), 302 + 185 - 200);
    // The same area on a wider screen is only held at 525.
    EXPECT_EQ(ChartLayout::Compute(Area(789, 680, 801)).pie.width(), 525);
}

TEST(ChartLayoutTest, NarrowAreaShrinksPieWithWidthNotHeight) {
    // D = 400 - 185 + 5 = 220; 220 * 0.9375 = 206.25 -> 206.
    const auto layout = ChartLayout::Compute(Area(400, 150, 1024));
    EXPECT_EQ(layout.pie.size(), QSize(206, 206));
    EXPECT_EQ(layout.pie.left(), 107 + 185 - 103);
    // Taller than the area: the height does not limit it.
    EXPECT_EQ(layout.pie.top(), 75 - 103 + 1);
    EXPECT_EQ(layout.legendTop, 150 - 183 - 7);
}

TEST(ChartLayoutTest, RoundsHalvesToEven) {
    // D = 189 - 185 + 5 = 9; 9 * 0.9375 = 8.4375 -> 8.
    EXPECT_EQ(ChartLayout::Compute(Area(189, 300, 1024)).pie.width(), 8);
    EXPECT_EQ(ChartLayout::Compute(Area(189, 300, 1024)).pie.top(), 147);
    // Round(D / 2) with D = 9 gives 4 (4.5 to even), with D = 11 gives 6 (5.5 to even).
    EXPECT_EQ(ChartLayout::Compute(Area(189, 300, 1024)).placeholder.x(), 4 + 185 - 93);
    EXPECT_EQ(ChartLayout::Compute(Area(191, 300, 1024)).placeholder.x(), 6 + 185 - 93);
}

TEST(ChartLayoutTest, FirstLayoutIsUnclampedWithoutAllowanceAndShifted) {
    // Design size: D = 566 - 185 = 381; 381 * 0.9375 = 357.19 -> 357.
    const auto first = ChartLayout::Compute(Area(566, 598, 1024, true));
    // Left: 381 div 2 + 185 - 178 + 8; top: Round(120.5) = 120 + 1.
    EXPECT_EQ(first.pie, QRect(205, 121, 357, 357));
    // A wide area is not clamped the first time.
    EXPECT_EQ(ChartLayout::Compute(Area(1200, 598, 800, true)).pie.width(), 952);
    EXPECT_EQ(first.placeholder.x(), 190 + 185 - 93); // Round(190.5) = 190
}

TEST(PieItemsTest, ItemTextHasTwoDecimalsAndRoundedPercent) {
    EXPECT_EQ(PieItems::ItemText(21.2437), "21.24 21%");
    EXPECT_EQ(PieItems::ItemText(11.0015), "11.00 11%");
    EXPECT_EQ(PieItems::ItemText(22.5883), "22.59 23%");
    EXPECT_EQ(PieItems::ItemText(100), "100.00 100%");
    EXPECT_EQ(PieItems::ItemText(2.5), "2.50 2%");
    EXPECT_EQ(PieItems::ItemText(3.5), "3.50 4%");
}

TEST(PieItemsTest, ItemsAreInLegendColourOrderWithChanceRaised) {
    const InmBearb::SectorShares defaults{21.2437, 22.5883, 22.5883, 22.5883, 11.0015};
    EXPECT_EQ(PieItems::Items(defaults),
              QStringList({"21.24 21%", "11.00 11%", "22.59 23%", "22.59 23%", "22.59 23%"}));
    const InmBearb::SectorShares distinct{-0.36, 9.81, 9.82, 75.42, 5.31};
    EXPECT_EQ(PieItems::Items(distinct),
              QStringList({"0.50 0%", "5.31 5%", "75.42 75%", "9.82 10%", "9.81 10%"}));
    EXPECT_EQ(PieItems::Items({0.16, 1, 1, 1, 1}).front(), "0.50 0%");
}

TEST(ScoreRulesTest, CheckJudgesAgainstTheRowMaximum) {
    using ScoreRules::Verdict;
    EXPECT_EQ(ScoreRules::Check(" ", 3), Verdict::Blank);
    EXPECT_EQ(ScoreRules::Check("0", 3), Verdict::Accepted);
    EXPECT_EQ(ScoreRules::Check("3", 3), Verdict::Accepted);
    EXPECT_EQ(ScoreRules::Check("3", 2), Verdict::OutOfRange);
    EXPECT_EQ(ScoreRules::Check("7", 3), Verdict::OutOfRange);
    EXPECT_EQ(ScoreRules::Check("x", 3), Verdict::NotNumeric);
    EXPECT_EQ(ScoreRules::Check("", 3), Verdict::NotNumeric);
    // Other digit scripts are letters-or-digits to the edit but no number here.
    EXPECT_EQ(ScoreRules::Check(QString(QChar(0x0663)), 3), Verdict::NotNumeric);
    EXPECT_EQ(ScoreRules::Message(Verdict::NotNumeric), "Not a numerical value");
    EXPECT_EQ(ScoreRules::Message(Verdict::OutOfRange), "Value out of range");
}

TEST(ScoreRulesTest, ParseDecimalRefusesGarbageAndOverflow) {
    int value = 0;
    EXPECT_TRUE(ScoreRules::ParseDecimal("-12", value));
    EXPECT_EQ(value, -12);
    EXPECT_FALSE(ScoreRules::ParseDecimal(" 1", value));
    EXPECT_FALSE(ScoreRules::ParseDecimal("-", value));
    EXPECT_FALSE(ScoreRules::ParseDecimal("99999999999", value));
}

TEST(ScoreRulesTest, ArrowsRunThroughBlankZeroToMaximum) {
    EXPECT_EQ(ScoreRules::StepUp(" ", 3), "0");
    EXPECT_EQ(ScoreRules::StepUp("0", 3), "1");
    EXPECT_EQ(ScoreRules::StepUp("2", 2), "2");
    EXPECT_EQ(ScoreRules::StepUp("7", 3), "7"); // above the maximum: unchanged
    EXPECT_EQ(ScoreRules::StepUp("x", 3), " ");
    EXPECT_EQ(ScoreRules::StepDown("3"), "2");
    EXPECT_EQ(ScoreRules::StepDown("0"), " ");
    EXPECT_EQ(ScoreRules::StepDown(" "), " ");
    EXPECT_EQ(ScoreRules::StepDown("x"), " ");
}

TEST(CommandGuardTest, ErrorTextEndsWithOneFullStop) {
    EXPECT_EQ(CommandGuard::ErrorText("Printing in progress"), "Printing in progress.");
    EXPECT_EQ(CommandGuard::ErrorText("'x' is not a valid integer value."),
              "'x' is not a valid integer value.");
}

} // namespace
