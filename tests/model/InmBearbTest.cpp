#include "model/InmBearb.h"

#include "model/Numeric.h"

#include <gtest/gtest.h>

using Numeric::FixedTwo;

// One walk through the life of the program's assessment, from the untouched
// record over start-up to a full set of scores and a selector change.
TEST(InmBearb, ProcessWideAssessment) {
    EXPECT_EQ(InmBearb::GetCountryArea(), 0);
    EXPECT_EQ(InmBearb::GetGroup(), 0);
    EXPECT_EQ(InmBearb::ChancePercent(), 0);

    InmBearb::SetCountryArea(1);
    InmBearb::SetGroup(1);
    EXPECT_EQ(InmBearb::EnterScore(10, "1"), 9);
    const char* const defaults[] = {"2", "1", "2", "2", "2", "2", "2", "1", "1"};
    std::uint8_t missing = 9;
    for (std::uint8_t index = 1; index <= 9; ++index) {
        missing = InmBearb::EnterScore(index, defaults[index - 1]);
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(FixedTwo(InmBearb::ChancePercent()), "21.24");
    EXPECT_EQ(FixedTwo(InmBearb::DietPercent()), "22.59");
    EXPECT_EQ(FixedTwo(InmBearb::BacteriaPercent()), "22.59");
    EXPECT_EQ(FixedTwo(InmBearb::SusceptibilityPercent()), "22.59");
    EXPECT_EQ(FixedTwo(InmBearb::CircumstancesPercent()), "11.00");

    // A selector change followed by a recheck of factor 1.
    InmBearb::SetCountryArea(3);
    InmBearb::SetGroup(3);
    EXPECT_EQ(FixedTwo(InmBearb::ChancePercent()), "21.24");
    EXPECT_EQ(InmBearb::EnterScore(1, "2"), 0);
    EXPECT_EQ(FixedTwo(InmBearb::ChancePercent()), "11.88");
    EXPECT_EQ(FixedTwo(InmBearb::CircumstancesPercent()), "12.31");
}
