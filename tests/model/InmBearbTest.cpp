#include "model/InmBearb.h"

#include "model/SectorComputation.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

// The process-wide assessment from its untouched start to a full set of
// scores: each accessor must give its own sector.
TEST(InmBearb, ProcessWideAssessment) {
    EXPECT_EQ(InmBearb::GetCountryArea(), 0);
    EXPECT_EQ(InmBearb::ChancePercent(), 0);
    InmBearb::SetCountryArea(3);
    InmBearb::SetGroup(2);
    const std::string scores = "2012312211";
    for (std::uint8_t index = 1; index <= 10; ++index) {
        EXPECT_EQ(InmBearb::EnterScore(index, scores.substr(index - 1, 1)).missing, 10 - index);
    }
    EXPECT_EQ(InmBearb::GetCountryArea(), 3);
    EXPECT_EQ(InmBearb::GetGroup(), 2);
    const auto s = InmBearb::ComputeSectors({2, 0, 1, 2, 3, 1, 2, 2, 1, 1}, 13).Shares;
    EXPECT_EQ(
        (std::array{InmBearb::ChancePercent(), InmBearb::DietPercent(), InmBearb::BacteriaPercent(),
                    InmBearb::SusceptibilityPercent(), InmBearb::CircumstancesPercent()}),
        (std::array{s.Chance, s.Diet, s.Bacteria, s.Susceptibility, s.Circumstances}));
}
