#include "model/RiskModel.h"

#include "model/Numeric.h"

#include <gtest/gtest.h>
#include <string>

using InmBearb::ComputeSectors;
using InmBearb::FactorScores;
using InmBearb::RiskModel;
using InmBearb::SectorShares;
using Numeric::FixedTwo;

namespace {

// An assessment as the main window leaves it after start-up: "Standard set"
// in both selectors and clinical judgement preset to 1.
RiskModel StartedModel() {
    RiskModel model;
    model.SetCountryArea(1);
    model.SetGroup(1);
    model.EnterScore(10, "1");
    return model;
}

// Enters the factors 1 to 9 from a text of nine characters.
void EnterFactors(RiskModel& model, const std::string& cells) {
    for (std::uint8_t index = 1; index <= 9; ++index) {
        model.EnterScore(index, std::string(1, cells[index - 1]));
    }
}

// All ten cells as one text, blanks included.
std::string Cells(const RiskModel& model) {
    std::string cells;
    for (std::uint8_t index = 1; index <= RiskModel::FactorCount; ++index) {
        cells += model.Cell(index);
    }
    return cells;
}

void ExpectSameShares(const SectorShares& actual, const SectorShares& expected) {
    EXPECT_EQ(actual.Chance, expected.Chance);
    EXPECT_EQ(actual.Diet, expected.Diet);
    EXPECT_EQ(actual.Bacteria, expected.Bacteria);
    EXPECT_EQ(actual.Susceptibility, expected.Susceptibility);
    EXPECT_EQ(actual.Circumstances, expected.Circumstances);
}

} // namespace

TEST(RiskModel, ComputesOnlyOnceSevenFactorsAreEntered) {
    RiskModel model;
    EXPECT_EQ(model.EnterScore(1, " "), 10);
    EXPECT_EQ(model.ChancePercent(), 0);
    model.SetCountryArea(1);
    model.SetGroup(1);
    EXPECT_EQ(model.EnterScore(10, "1"), 9);
    EXPECT_EQ(model.EnterScore(1, "3"), 8);
    EXPECT_EQ(model.EnterScore(2, "0"), 7);
    EXPECT_EQ(model.EnterScore(3, "1"), 6);
    EXPECT_EQ(model.EnterScore(4, "1"), 5);
    EXPECT_EQ(model.EnterScore(5, "0"), 4);
    EXPECT_EQ(model.ChancePercent(), 0);
    EXPECT_EQ(model.EnterScore(6, "0"), 3);

    // The three blank factors (7, 8, 9) take their defaults 2, 1 and 1.
    const FactorScores withDefaults{3, 0, 1, 1, 0, 0, 2, 1, 1, 1};
    ExpectSameShares(model.Shares(), ComputeSectors(withDefaults, 10).Shares);
    EXPECT_EQ(Cells(model), "301100   1");
}

TEST(RiskModel, FourBlanksKeepThePreviousResults) {
    RiskModel model = StartedModel();
    EnterFactors(model, "21222 2  "); // factors 6, 8 and 9 at their defaults
    const SectorShares before = model.Shares();
    EXPECT_EQ(FixedTwo(before.Chance), "21.24");

    EXPECT_EQ(model.EnterScore(3, " "), 4);
    ExpectSameShares(model.Shares(), before);
    EXPECT_EQ(model.EnterScore(1, "0"), 4); // a change while four are blank counts for nothing
    ExpectSameShares(model.Shares(), before);

    EXPECT_EQ(model.EnterScore(3, "2"), 3); // the caries-free history now shows
    EXPECT_GT(model.ChancePercent(), before.Chance);
    EXPECT_EQ(Cells(model), "01222 2  1");
}

TEST(RiskModel, SelectorChangeWaitsForTheNextScore) {
    RiskModel model = StartedModel();
    EnterFactors(model, "212222211");
    const SectorShares standard = model.Shares();

    model.SetGroup(2);
    model.SetCountryArea(2);
    EXPECT_EQ(model.ChanceAdjustment(), 20);
    EXPECT_EQ(model.GetCountryArea(), 2);
    EXPECT_EQ(model.GetGroup(), 2);
    ExpectSameShares(model.Shares(), standard);

    model.EnterScore(1, "2");
    EXPECT_EQ(FixedTwo(model.ChancePercent()), "35.03");
    EXPECT_EQ(FixedTwo(model.CircumstancesPercent()), "9.07");
}

TEST(RiskModel, BadInputChangesNothing) {
    RiskModel model = StartedModel();
    EnterFactors(model, "21222221 ");
    const SectorShares before = model.Shares();

    EXPECT_EQ(model.EnterScore(0, "3"), 1);
    EXPECT_EQ(model.EnterScore(11, "3"), 1);
    EXPECT_EQ(model.EnterScore(255, " "), 1);
    EXPECT_EQ(model.EnterScore(9, ""), 1);
    EXPECT_EQ(model.EnterScore(1, "x"), 1);
    EXPECT_EQ(model.EnterScore(2, std::string_view("\0", 1)), 1);
    EXPECT_EQ(Cells(model), "21222221 1");
    ExpectSameShares(model.Shares(), before);
}

TEST(RiskModel, CellsKeepWhatWasTyped) {
    RiskModel model = StartedModel();
    // Only the first character of a longer text is stored.
    EXPECT_EQ(model.EnterScore(1, "31"), 8);
    EXPECT_EQ(model.Cell(1), '3');
    // A stored 9 reads as the default without counting as missing.
    EnterFactors(model, "912222211");
    EXPECT_EQ(model.MissingCount(), 0);
    EXPECT_EQ(Cells(model), "9122222111");
    EXPECT_EQ(FixedTwo(model.ChancePercent()), "21.24");
}
