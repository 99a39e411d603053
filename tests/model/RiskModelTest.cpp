// The score record: when it computes, the defaults for blank factors, and
// what it refuses to store.

#include "model/RiskModel.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

using InmBearb::ComputeSectors;
using InmBearb::RiskModel;
using InmBearb::SectorShares;

namespace {

constexpr std::uint8_t kFactors = RiskModel::kFactorCount;

// Enters the ten cells of `cells` one by one and returns the last blank count.
int EnterFactors(RiskModel& model, std::string_view cells) {
    int missing = -1;
    for (std::uint8_t index = 1; index <= kFactors; ++index) {
        missing = model.EnterScore(index, cells.substr(index - 1, 1));
    }
    return missing;
}

std::string Cells(const RiskModel& model) {
    std::string cells;
    for (std::uint8_t index = 1; index <= kFactors; ++index) {
        cells += model.Cell(index);
    }
    return cells;
}

// The five percentages, to compare bit for bit.
std::array<double, 5> Values(const SectorShares& s) {
    return {s.Chance, s.Diet, s.Bacteria, s.Susceptibility, s.Circumstances};
}

std::array<double, 5> Computed(InmBearb::FactorScores scores, double adjustment) {
    return Values(ComputeSectors(scores, adjustment).Shares);
}

} // namespace

TEST(RiskModel, ComputesWhileAtMostThreeFactorsAreBlank) {
    RiskModel model;
    model.SetCountryArea(1);
    model.SetGroup(1);
    EXPECT_EQ(EnterFactors(model, "30110    1"), 4);
    EXPECT_EQ(model.ChancePercent(), 0); // four blank: nothing computed yet
    EXPECT_EQ(model.EnterScore(6, "0"), 3);
    const auto three = Computed({3, 0, 1, 1, 0, 0, 2, 1, 1, 1}, 10);
    EXPECT_EQ(Values(model.Shares()), three);

    // Back to four blank, the results stay, whatever else is entered.
    EXPECT_EQ(model.EnterScore(3, " "), 4);
    EXPECT_EQ(model.EnterScore(1, "0"), 4);
    EXPECT_EQ(Values(model.Shares()), three);
    EXPECT_EQ(Cells(model), "00 100   1");

    // A selector change shows only at the next score.
    model.SetCountryArea(2);
    model.SetGroup(3);
    EXPECT_EQ(Values(model.Shares()), three);
    EXPECT_EQ(model.EnterScore(3, "1"), 3);
    EXPECT_EQ(Values(model.Shares()), Computed({0, 0, 1, 1, 0, 0, 2, 1, 1, 1}, 12));
}

// A blank cell or a stored 9 reads as the factor's default; only the blank
// counts as missing, and the default never shows in the cell.
TEST(RiskModel, BlankFactorsReadAsTheirDefaults) {
    const std::array<double, kFactors> defaults = {2, 1, 2, 2, 2, 2, 2, 1, 1, 1};
    for (std::size_t factor = 0; factor < kFactors; ++factor) {
        for (const char cell : {' ', '9'}) {
            RiskModel model;
            model.SetCountryArea(1);
            model.SetGroup(1);
            std::string cells(kFactors, '0');
            cells[factor] = cell;
            EXPECT_EQ(EnterFactors(model, cells), cell == ' ') << "factor " << factor + 1;
            EXPECT_EQ(Cells(model), cells);
            std::array<double, kFactors> v{};
            v[factor] = defaults[factor];
            EXPECT_EQ(Values(model.Shares()),
                      Computed({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]}, 10))
                << "factor " << factor + 1 << " '" << cell << "'";
        }
    }
}

TEST(RiskModel, BadInputChangesNothingInsideOrBesideTheRecord) {
    // Guard bytes on both sides show a cell written outside the record.
    struct Guarded {
        std::array<char, 16> front{};
        RiskModel model;
        std::array<char, 16> back{};
    };
    const auto guarded = std::make_unique<Guarded>();
    RiskModel& model = guarded->model;
    model.SetCountryArea(2);
    model.SetGroup(3);
    EnterFactors(model, "21222221 1");
    EXPECT_EQ(model.EnterScore(1, "31"), 1); // only the first character counts
    const auto before = Values(model.Shares());

    const std::pair<std::uint8_t, std::string_view> calls[] = {
        {0, "3"}, {11, "3"}, {12, "3"}, {255, " "}, {9, ""}, {1, "x"}, {2, {"\0", 1}}};
    for (const auto& [index, text] : calls) {
        EXPECT_EQ(model.EnterScore(index, text), 1) << int(index);
    }
    EXPECT_EQ(Cells(model), "31222221 1");
    EXPECT_EQ(model.GetCountryArea(), 2);
    EXPECT_EQ(model.GetGroup(), 3);
    EXPECT_EQ(Values(model.Shares()), before);
    EXPECT_EQ(guarded->front, decltype(guarded->front){});
    EXPECT_EQ(guarded->back, decltype(guarded->back){});
}
