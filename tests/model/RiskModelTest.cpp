// The score record: when it computes, the defaults for blank factors, and
// what it refuses to store.

#include "model/RiskModel.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

using InmBearb::ComputeSectors;
using InmBearb::FactorScores;
using InmBearb::RiskModel;
using InmBearb::SectorShares;

namespace {

// Enters the ten factors from a text of ten characters, the blank included.
void EnterFactors(RiskModel& model, const std::string& cells) {
    for (std::uint8_t index = 1; index <= RiskModel::FactorCount; ++index) {
        model.EnterScore(index, cells.substr(index - 1, 1));
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

// The five percentages, to compare bit for bit.
std::array<double, 5> Values(const SectorShares& s) {
    return {s.Chance, s.Diet, s.Bacteria, s.Susceptibility, s.Circumstances};
}

} // namespace

TEST(RiskModel, ComputesWhileAtMostThreeFactorsAreBlank) {
    RiskModel model;
    EXPECT_EQ(model.EnterScore(1, " "), 10);
    model.SetCountryArea(1);
    model.SetGroup(1);
    EXPECT_EQ(model.EnterScore(10, "1"), 9);
    const char* const digits = "30110";
    for (std::uint8_t index = 1; index <= 5; ++index) {
        EXPECT_EQ(model.EnterScore(index, std::string(1, digits[index - 1])), 9 - index);
    }
    EXPECT_EQ(model.ChancePercent(), 0); // four blank: nothing computed yet
    EXPECT_EQ(model.EnterScore(6, "0"), 3);
    const SectorShares three = ComputeSectors({3, 0, 1, 1, 0, 0, 2, 1, 1, 1}, 10).Shares;
    EXPECT_EQ(Values(model.Shares()), Values(three));

    // Back to four blank, the results stay, whatever else is entered.
    EXPECT_EQ(model.EnterScore(3, " "), 4);
    EXPECT_EQ(model.EnterScore(1, "0"), 4);
    EXPECT_EQ(Values(model.Shares()), Values(three));
    EXPECT_EQ(Cells(model), "00 100   1");

    // A selector change shows only at the next score.
    model.SetCountryArea(2);
    model.SetGroup(3);
    EXPECT_EQ(model.GetCountryArea(), 2);
    EXPECT_EQ(model.GetGroup(), 3);
    EXPECT_EQ(model.EnterScore(3, "1"), 3);
    EXPECT_EQ(Values(model.Shares()),
              Values(ComputeSectors({0, 0, 1, 1, 0, 0, 2, 1, 1, 1}, 12).Shares));
}

TEST(RiskModel, BlankFactorsReadAsTheirDefaults) {
    const std::array<double, RiskModel::FactorCount> defaults = {2, 1, 2, 2, 2, 2, 2, 1, 1, 1};
    for (std::size_t blank = 0; blank < defaults.size(); ++blank) {
        RiskModel model;
        model.SetCountryArea(1);
        model.SetGroup(1);
        std::string cells(RiskModel::FactorCount, '0');
        cells[blank] = ' ';
        EnterFactors(model, cells);
        std::array<double, RiskModel::FactorCount> v{};
        v[blank] = defaults[blank];
        const FactorScores expected{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]};
        EXPECT_EQ(model.MissingCount(), 1) << "factor " << blank + 1;
        EXPECT_EQ(Cells(model), cells); // the default never shows in the cell
        EXPECT_EQ(Values(model.Shares()), Values(ComputeSectors(expected, 10).Shares));
    }
}

TEST(RiskModel, StoresTheFirstCharacterOfADigitOrTheBlank) {
    RiskModel model;
    model.SetCountryArea(1);
    model.SetGroup(1);
    EXPECT_EQ(model.EnterScore(1, "31"), 9);
    EXPECT_EQ(model.Cell(1), '3');
    // A stored 9 reads as the default without counting as missing.
    EnterFactors(model, "9122222111");
    EXPECT_EQ(model.MissingCount(), 0);
    EXPECT_EQ(Values(model.Shares()),
              Values(ComputeSectors({2, 1, 2, 2, 2, 2, 2, 1, 1, 1}, 10).Shares));
}

TEST(RiskModel, BadInputChangesNothing) {
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
    const SectorShares before = model.Shares();

    struct BadCall {
        std::uint8_t index;
        std::string_view text;
    };
    const BadCall calls[] = {{0, "3"},
                             {11, "3"},
                             {12, "3"},
                             {255, " "},
                             {9, ""},
                             {1, "x"},
                             {2, std::string_view("\0", 1)}};
    for (const BadCall& call : calls) {
        EXPECT_EQ(model.EnterScore(call.index, call.text), 1) << int(call.index);
    }
    EXPECT_EQ(Cells(model), "21222221 1");
    EXPECT_EQ(model.GetCountryArea(), 2);
    EXPECT_EQ(model.GetGroup(), 3);
    EXPECT_EQ(Values(model.Shares()), Values(before));
    const std::array<char, 16> untouched{};
    EXPECT_EQ(guarded->front, untouched);
    EXPECT_EQ(guarded->back, untouched);
}
