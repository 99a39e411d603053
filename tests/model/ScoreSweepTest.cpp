#include "model/SectorComputation.h"
#include "tests/model/ScoreSets.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

using InmBearb::ChanceAdjustmentFor;
using InmBearb::ComputeSectors;
using InmBearb::FactorScores;

TEST(ScoreSweep, EveryScoreSetUnderEverySelectionGivesWholeShares) {
    long long sets = 0;
    long long badSums = 0;
    double lowestTotal = std::numeric_limits<double>::max();
    double lowestChance = std::numeric_limits<double>::max();
    std::uint8_t lowestCountryArea = 0;
    std::uint8_t lowestGroup = 0;
    double lowestJudgement = -1;

    for (std::uint8_t countryArea = 1; countryArea <= 3; ++countryArea) {
        for (std::uint8_t group = 1; group <= 3; ++group) {
            const double adjustment = ChanceAdjustmentFor(countryArea, group);
            ScoreSets::ForEach([&](const FactorScores& scores) {
                const auto result = ComputeSectors(scores, adjustment);
                const auto& s = result.Shares;
                const double sum =
                    s.Chance + s.Diet + s.Bacteria + s.Susceptibility + s.Circumstances;
                if (!(std::abs(sum - 100) <= 1e-9)) {
                    ++badSums;
                }
                lowestTotal = std::min(lowestTotal, result.Steps.Total);
                if (s.Chance < lowestChance) {
                    lowestChance = s.Chance;
                    lowestCountryArea = countryArea;
                    lowestGroup = group;
                    lowestJudgement = scores.CJ;
                }
                ++sets;
            });
        }
    }

    EXPECT_EQ(sets, 9 * 589'824);
    EXPECT_EQ(badSums, 0);
    EXPECT_NEAR(lowestTotal, 2.4, 1e-12);
    EXPECT_NEAR(lowestChance, -2.14, 0.005);
    EXPECT_EQ(lowestCountryArea, 2);
    EXPECT_EQ(lowestGroup, 2);
    EXPECT_EQ(lowestJudgement, 0);
}
