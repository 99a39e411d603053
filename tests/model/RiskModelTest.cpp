// The risk model: golden figures for chosen score sets, every score set under
// every selector pair against an independent reference, and the guard against
// bad input.

#include "model/RiskModel.h"

#include "model/Numeric.h"
#include "tests/sample/ScoreSets.h"

#include <QCryptographicHash>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

using namespace InmBearb;

namespace {

// Ten score cells (blank or 9: the factor's default), country area and group
// code, and the figures as the chart shows them: chance, diet, bacteria,
// susceptibility, circumstances. Each is also given by
// `tests/model/reference_model.py <scores> <country area> <group>`.
// Rows: the worked example under the three equal selector pairs and under
// codes outside the lists (no chance), its defaults as 9s and as three
// blanks, the floors with and without the caries-free bonus, the maxima with
// both surcharges (the chance pinned, and going negative), the only way to 7
// interaction points (beyond the ranges, counted as 1), and four blanks:
// nothing computed. The sweep below owns every other score set.
const std::string kGolden = R"(2122222111 1 1: 21.24 22.59 22.59 22.59 11.00
2122222111 2 2: 35.03 18.63 18.63 18.63 9.07
2122222111 3 3: 11.88 25.27 25.27 25.27 12.31
2122222111 4 0: 0.00 28.68 28.68 28.68 13.97
9999999999 1 1: 21.24 22.59 22.59 22.59 11.00
 1 2 22111 1 1: 21.24 22.59 22.59 22.59 11.00
0000000000 1 1: 99.70 0.04 0.07 0.13 0.07
1011111001 1 1: 93.85 2.18 2.18 1.09 0.71
3233333323 1 1: 0.16 9.76 9.76 75.03 5.28
3233333321 1 1: -0.36 9.81 9.81 75.42 5.31
3233332320 2 2: -2.14 14.86 14.86 64.39 8.04
1004030001 1 1: 72.01 12.95 9.71 3.24 2.10
    222111 1 1: 0.00 0.00 0.00 0.00 0.00
)";

TEST(RiskModel, GoldenFiguresAndSelectorCodes) {
    std::istringstream rows(kGolden);
    std::string computed;
    for (std::string row; std::getline(rows, row);) {
        RiskModel model;
        model.SetCountryArea(static_cast<std::uint8_t>(row[11] - '0'));
        model.SetGroup(static_cast<std::uint8_t>(row[13] - '0'));
        model.EnterScores(row.substr(0, 10));
        const SectorShares& s = model.Shares();
        computed += row.substr(0, 14) + ":";
        for (const double share :
             {s.Chance, s.Diet, s.Bacteria, s.Susceptibility, s.Circumstances}) {
            computed += " " + Numeric::FixedTwo(share);
        }
        computed += "\n";
    }
    EXPECT_EQ(computed, kGolden);
}

// Printed by `python3 tests/model/reference_model.py`, which computes the
// model on its own (its header says what is digested).
constexpr char kSweepDigest[] = "c1da76c25489705dc041934f4e638a056e58fc0bfaf52bf7d6bcc2f3e0997c81";

// Any changed weight, threshold, floor or order of the chain changes some
// share of some score set by far more than the millionth of a percent kept.
TEST(RiskModel, EveryScoreSetUnderEverySelectorPairMatchesTheReference) {
    QCryptographicHash sha(QCryptographicHash::Sha256);
    for (std::uint8_t pair = 0; pair < 9; ++pair) {
        const double adjustment = ChanceAdjustmentFor(pair / 3 + 1, pair % 3 + 1);
        ScoreSets::ForEach([&](const FactorScores& scores) {
            const SectorShares s = ComputeSectors(scores, adjustment).Shares;
            QByteArray line;
            for (const double share :
                 {s.Chance, s.Diet, s.Bacteria, s.Susceptibility, s.Circumstances}) {
                line += QByteArray::number(std::llround(std::nearbyint(share * 1e6))) + ' ';
            }
            line.back() = '\n';
            sha.addData(line);
        });
    }
    EXPECT_EQ(sha.result().toHex(), kSweepDigest);
}

// Bad input changes nothing inside or beside the record (guard bytes on both
// sides show a cell written outside it); four blanks keep the last figures.
TEST(RiskModel, BadInputChangesNothingInsideOrBesideTheRecord) {
    struct Guarded {
        std::array<char, 16> front{};
        RiskModel model;
        std::array<char, 16> back{};
    };
    Guarded guarded;
    RiskModel& model = guarded.model;
    model.SetCountryArea(2);
    model.SetGroup(3);
    EXPECT_EQ(model.EnterScores("21222220 1"), 1);
    EXPECT_EQ(model.EnterScore(1, "31"), 1); // only the first character counts
    const double before = model.Shares().Circumstances;
    // Index, text, and the blank cells after the call. The fourth blank, on a
    // saliva score of 0 whose default is 1, must not recompute.
    const std::tuple<std::uint8_t, std::string_view, int> calls[] = {
        {0, "3", 1}, {11, "3", 1},      {12, "3", 1}, {255, " ", 1}, {9, "", 1},
        {1, "x", 1}, {2, {"\0", 1}, 1}, {3, " ", 2},  {4, " ", 3},   {8, " ", 4}};
    for (const auto& [index, text, blanks] : calls) {
        EXPECT_EQ(model.EnterScore(index, text), blanks) << int(index);
    }
    std::string cells;
    for (std::uint8_t index = 0; index <= 11; ++index) {
        cells += model.Cell(index);
    }
    EXPECT_EQ(cells, " 31  222  1 ");
    EXPECT_EQ(model.Shares().Circumstances, before);
    EXPECT_EQ(guarded.front, decltype(guarded.front){});
    EXPECT_EQ(guarded.back, decltype(guarded.back){});
}

} // namespace
