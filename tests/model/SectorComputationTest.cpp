#include "model/SectorComputation.h"

#include "model/Numeric.h"

#include <gtest/gtest.h>

using InmBearb::ChanceAdjustmentFor;
using InmBearb::ComputeSectors;
using InmBearb::FactorScores;
using InmBearb::SectorComputation;
using Numeric::FixedTwo;

namespace {

// Every factor at the value a blank factor defaults to.
constexpr FactorScores Defaults{2, 1, 2, 2, 2, 2, 2, 1, 1, 1};
// Every factor at its maximum; clinical judgement is set per case.
constexpr FactorScores Maxima{3, 2, 3, 3, 3, 3, 3, 3, 2, 3};

FactorScores WithJudgement(FactorScores scores, double judgement) {
    scores.CJ = judgement;
    return scores;
}

// Percentages in the order chance, Diet, Bacteria, Susceptibility,
// Circumstances, each with two decimals as the program shows them.
std::string SharesText(const SectorComputation& result) {
    const auto& s = result.Shares;
    return FixedTwo(s.Chance) + " " + FixedTwo(s.Diet) + " " + FixedTwo(s.Bacteria) + " " +
           FixedTwo(s.Susceptibility) + " " + FixedTwo(s.Circumstances);
}

} // namespace

TEST(SectorComputation, DefaultsWithStandardSetInBothSelectors) {
    const SectorComputation result = ComputeSectors(Defaults, ChanceAdjustmentFor(1, 1));
    const auto& r = result.Steps;
    EXPECT_NEAR(r.CircumstancesBase, 1.948052, 1e-6);
    EXPECT_EQ(r.ScoreSum, 12);
    EXPECT_EQ(r.LevelTwoPoints, 34);
    EXPECT_EQ(r.LevelThreePoints, 0);
    EXPECT_EQ(r.PairPoints, 0);
    EXPECT_EQ(r.CombinationPoints, 14);
    EXPECT_EQ(r.InteractionPoints, 14);
    EXPECT_EQ(r.FluorideCredit, 0);
    EXPECT_EQ(r.WeightedScoreSum, 12);
    EXPECT_EQ(r.SalivaSurcharge, 0);
    EXPECT_EQ(r.FluorideSurcharge, 0);
    EXPECT_EQ(r.DietValue, 4);
    EXPECT_EQ(r.BacteriaValue, 4);
    EXPECT_EQ(r.SusceptibilityValue, 4);
    EXPECT_NEAR(r.CircumstancesValue, 1.948052, 1e-6);
    EXPECT_NEAR(r.SectorTotal, 13.948052, 1e-6);
    EXPECT_EQ(r.ChanceBase, 32);
    EXPECT_EQ(r.RiskLoad, 48);
    EXPECT_NEAR(r.RawChance, 3.760823, 1e-6);
    EXPECT_EQ(r.ChanceValue, r.RawChance);
    EXPECT_EQ(SharesText(result), "21.24 22.59 22.59 22.59 11.00");
}

TEST(SectorComputation, SelectorsMoveOnlyTheChance) {
    const SectorComputation low = ComputeSectors(Defaults, ChanceAdjustmentFor(2, 2));
    EXPECT_EQ(SharesText(low), "35.03 18.63 18.63 18.63 9.07");
    const SectorComputation high = ComputeSectors(Defaults, ChanceAdjustmentFor(3, 3));
    EXPECT_EQ(SharesText(high), "11.88 25.27 25.27 25.27 12.31");
    // The four risk sectors keep their proportions among themselves.
    EXPECT_DOUBLE_EQ(low.Shares.Diet / low.Shares.Circumstances,
                     high.Shares.Diet / high.Shares.Circumstances);
}

TEST(SectorComputation, SelectionCodesOutsideTheListContributeNothing) {
    EXPECT_EQ(ChanceAdjustmentFor(1, 1), 10);
    EXPECT_EQ(ChanceAdjustmentFor(2, 3), 12);
    EXPECT_EQ(ChanceAdjustmentFor(3, 2), 13);
    EXPECT_EQ(ChanceAdjustmentFor(0, 0), 0);
    EXPECT_EQ(ChanceAdjustmentFor(4, 1), 5);
    EXPECT_EQ(ChanceAdjustmentFor(2, 255), 10);
}

TEST(SectorComputation, LowestScoresHitEveryFloor) {
    const FactorScores zeros{0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    const SectorComputation result = ComputeSectors(zeros, 10);
    const auto& r = result.Steps;
    EXPECT_EQ(r.CombinationPoints, -10);
    EXPECT_EQ(r.InteractionPoints, 1);
    EXPECT_NEAR(r.FluorideCredit, 0.8823, 1e-12);
    EXPECT_EQ(r.DietValue, 0.3);
    EXPECT_EQ(r.BacteriaValue, 0.5);
    EXPECT_EQ(r.SusceptibilityValue, 1.0);
    EXPECT_EQ(r.CircumstancesValue, 0.5);
    EXPECT_NEAR(r.RawChance, 185.823, 1e-9);
    EXPECT_NEAR(r.ChanceValue, 511.01325, 1e-9); // judgement plus the caries-free bonus
    EXPECT_EQ(SharesText(result), "99.55 0.06 0.10 0.19 0.10");

    const SectorComputation positive = ComputeSectors(WithJudgement(zeros, 0), 10);
    EXPECT_NEAR(positive.Steps.ChanceValue, 765.59076, 1e-9);
    EXPECT_EQ(FixedTwo(positive.Shares.Chance), "99.70");
}

TEST(SectorComputation, HighestScores) {
    const SectorComputation pinned = ComputeSectors(Maxima, 10);
    EXPECT_EQ(pinned.Steps.ChanceValue, 0.1);
    EXPECT_EQ(pinned.Steps.SalivaSurcharge, 20);
    EXPECT_NEAR(pinned.Steps.FluorideSurcharge, 18.12, 1e-12);
    EXPECT_EQ(FixedTwo(pinned.Shares.Chance), "0.16");
    EXPECT_EQ(FixedTwo(pinned.Shares.Susceptibility), "75.03");

    // A normal judgement lets the chance go slightly negative; it stays so.
    const SectorComputation negative = ComputeSectors(WithJudgement(Maxima, 1), 10);
    EXPECT_NEAR(negative.Steps.RawChance, -0.219375, 1e-6);
    EXPECT_EQ(SharesText(negative), "-0.36 9.81 9.81 75.42 5.31");

    // "Very high risk" pins the chance even for a caries-free history.
    FactorScores cariesFree = Maxima;
    cariesFree.CE = 0;
    EXPECT_EQ(ComputeSectors(cariesFree, 10).Steps.ChanceValue, 0.1);
}

TEST(SectorComputation, FluorideOnceADayAndLowDiet) {
    const FactorScores scores{1, 0, 1, 1, 1, 1, 1, 0, 0, 1};
    const SectorComputation result = ComputeSectors(scores, 10);
    EXPECT_NEAR(result.Steps.FluorideCredit, 3.35, 1e-12);
    EXPECT_NEAR(result.Steps.WeightedScoreSum, 8.15, 1e-12);
    EXPECT_EQ(FixedTwo(result.Shares.Chance), "93.85");
}

TEST(SectorComputation, ThresholdsSitExactlyWhereTheRulesSay) {
    // Diet and bacteria sum 6 weighs the score sum by 1.63, 7 by 1.0.
    const FactorScores six{2, 1, 2, 2, 1, 1, 2, 1, 1, 1};
    EXPECT_NEAR(ComputeSectors(six, 10).Steps.WeightedScoreSum, 1.63 * 10, 1e-12);
    const FactorScores seven{2, 1, 2, 2, 2, 1, 2, 1, 1, 1};
    EXPECT_EQ(ComputeSectors(seven, 10).Steps.WeightedScoreSum, 11);

    // Diet and plaque summing to 7 give nothing, 8 give 10 points.
    const FactorScores dietPlaqueSeven{1, 0, 3, 3, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(ComputeSectors(dietPlaqueSeven, 10).Steps.CombinationPoints, 0);
    const FactorScores dietPlaqueEight{1, 0, 3, 3, 2, 0, 0, 0, 0, 1};
    EXPECT_EQ(ComputeSectors(dietPlaqueEight, 10).Steps.CombinationPoints, 10);

    // Diet and bacteria summing to 9 give nothing, 10 give 14 points.
    const FactorScores fiveNine{1, 0, 1, 2, 2, 2, 2, 0, 0, 1};
    EXPECT_EQ(ComputeSectors(fiveNine, 10).Steps.CombinationPoints, 0);
    const FactorScores fiveTen{1, 0, 1, 2, 2, 2, 3, 0, 0, 1};
    EXPECT_EQ(ComputeSectors(fiveTen, 10).Steps.CombinationPoints, 14);
}

TEST(SectorComputation, InteractionBelowEightCountsAsOnePoint) {
    // Pair and combination points of 7 (a frequency score beyond the range
    // is the only way to reach 7) fall back to a single point ...
    const FactorScores seven{1, 0, 0, 4, 0, 3, 0, 0, 0, 1};
    const auto& low = ComputeSectors(seven, 10).Steps;
    EXPECT_EQ(low.PairPoints + low.CombinationPoints, 7);
    EXPECT_EQ(low.InteractionPoints, 1);
    // ... while 9 count in full.
    const FactorScores nine{1, 0, 0, 3, 2, 3, 2, 0, 0, 1};
    const auto& high = ComputeSectors(nine, 10).Steps;
    EXPECT_EQ(high.PairPoints + high.CombinationPoints, 9);
    EXPECT_EQ(high.InteractionPoints, 9);
}
