#include "model/InmBearb.h"

#include "model/SectorComputation.h"

#include <gtest/gtest.h>
#include <string>

// One walk through the life of the program's assessment, from the untouched
// record over start-up to a full set of scores and a selector change; each
// accessor must give its own sector.
TEST(InmBearb, ProcessWideAssessment) {
    EXPECT_EQ(InmBearb::GetCountryArea(), 0);
    EXPECT_EQ(InmBearb::GetGroup(), 0);
    EXPECT_EQ(InmBearb::ChancePercent(), 0);

    InmBearb::SetCountryArea(1);
    InmBearb::SetGroup(1);
    EXPECT_EQ(InmBearb::EnterScore(10, "1").missing, 9);
    const char* const scores = "2012312211";
    for (std::uint8_t index = 1; index <= 9; ++index) {
        EXPECT_EQ(InmBearb::EnterScore(index, std::string(1, scores[index - 1])).missing,
                  9 - index);
    }

    // A selector change followed by a recheck of factor 1.
    InmBearb::SetCountryArea(3);
    InmBearb::SetGroup(2);
    EXPECT_EQ(InmBearb::GetCountryArea(), 3);
    EXPECT_EQ(InmBearb::GetGroup(), 2);
    EXPECT_EQ(InmBearb::EnterScore(1, "2").missing, 0);
    const InmBearb::SectorShares s =
        InmBearb::ComputeSectors({2, 0, 1, 2, 3, 1, 2, 2, 1, 1}, 13).Shares;
    EXPECT_EQ(InmBearb::ChancePercent(), s.Chance);
    EXPECT_EQ(InmBearb::DietPercent(), s.Diet);
    EXPECT_EQ(InmBearb::BacteriaPercent(), s.Bacteria);
    EXPECT_EQ(InmBearb::SusceptibilityPercent(), s.Susceptibility);
    EXPECT_EQ(InmBearb::CircumstancesPercent(), s.Circumstances);
}
