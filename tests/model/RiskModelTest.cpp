// The risk model: golden figures for chosen score sets, every score set under
// every selector pair against an independent reference, and the guard against
// bad input.

#include "model/RiskModel.h"

#include "model/Numeric.h"
#include "tests/sample/ScoreSets.h"

#include <QCryptographicHash>
#include <QStringList>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace InmBearb;
using Numeric::FixedTwo;

namespace {

// Ten score cells (blank or 9: the factor's default), country area and group
// code, and the figures as the chart shows them: chance, diet, bacteria,
// susceptibility, circumstances. Each is also given by
// `tests/model/reference_model.py <scores> <country area> <group>`.
const char* const kGolden = R"(2122222111 1 1: 21.24 22.59 22.59 22.59 11.00
2122222111 2 2: 35.03 18.63 18.63 18.63 9.07
2122222111 3 3: 11.88 25.27 25.27 25.27 12.31
2122222111 2 3: 24.45 21.67 21.67 21.67 10.55
2122222111 3 2: 25.95 21.23 21.23 21.23 10.34
9999999999 1 1: 21.24 22.59 22.59 22.59 11.00
 1 2 22111 1 1: 21.24 22.59 22.59 22.59 11.00
2122222110 1 1: 38.99 17.50 17.50 17.50 8.52
2122222112 1 1: 7.25 26.60 26.60 26.60 12.95
2122222113 1 1: 0.71 28.47 28.47 28.47 13.87
0000000001 1 1: 99.55 0.06 0.10 0.19 0.10
0000000000 1 1: 99.70 0.04 0.07 0.13 0.07
1011111001 1 1: 93.85 2.18 2.18 1.09 0.71
3233333323 1 1: 0.16 9.76 9.76 75.03 5.28
0233333323 1 1: 0.17 10.08 10.08 77.49 2.18
3233333321 1 1: -0.36 9.81 9.81 75.42 5.31
3233332320 2 2: -2.14 14.86 14.86 64.39 8.04
1004030001 1 1: 72.01 12.95 9.71 3.24 2.10
    222111 1 1: 0.00 0.00 0.00 0.00 0.00)";

// Rows: the worked example under each selector pair, its defaults as 9s and as
// three blanks, each clinical judgement, every floor with and without the
// caries-free bonus, the maxima with both surcharges (pinned even without
// caries, and the chance going negative), the only way to 7 interaction points
// (beyond the ranges, counted as 1), and four blanks: nothing computed.
TEST(RiskModel, GoldenFiguresAndSelectorCodes) {
    QStringList computed;
    for (const QString& line : QString::fromLatin1(kGolden).split(QLatin1Char('\n'))) {
        RiskModel model;
        model.SetCountryArea(static_cast<std::uint8_t>(line[11].digitValue()));
        model.SetGroup(static_cast<std::uint8_t>(line[13].digitValue()));
        model.EnterScores(line.first(10).toStdString());
        const SectorShares& s = model.Shares();
        computed << line.first(14) + ": " +
                        QString::fromStdString(FixedTwo(s.Chance) + " " + FixedTwo(s.Diet) + " " +
                                               FixedTwo(s.Bacteria) + " " +
                                               FixedTwo(s.Susceptibility) + " " +
                                               FixedTwo(s.Circumstances));
    }
    EXPECT_EQ(computed.join(QLatin1Char('\n')).toStdString(), kGolden);
    // Codes outside the lists contribute nothing.
    EXPECT_EQ(ChanceAdjustmentFor(0, 0), 0);
    EXPECT_EQ(ChanceAdjustmentFor(4, 1), 5);
    EXPECT_EQ(ChanceAdjustmentFor(2, 255), 10);
}

// Made by `python3 tests/model/reference_model.py`, which computes the model
// on its own and prints these digests (its comment says what is digested), for
// country area 1 to 3, each with group 1 to 3.
const char* const kSweepDigests[] = {
    "363313c2144b5cf430b6f9d8e66df724c413339e7c8e478b1baa468fed4d6bfa",
    "922f5dca148d1dfcede50645795a9b5ae31f8e86ccaca172a8e36cf5b2d8834e",
    "00fef60c55cf8330d095aac9582c30977299e297d365fd8433fd351dd623ae81",
    "922f5dca148d1dfcede50645795a9b5ae31f8e86ccaca172a8e36cf5b2d8834e",
    "0796504b2b616921240b1f6a16ed495ec8c7870d741454471bdecefa12647121",
    "6cd0045564ae7a685cab12274bad87dd547326d4b1f102d7b6f0433371f38eed",
    "d8640e45e2e4d035fcba5d41d5a6d8825a1609418442e4b829bcf636178cba16",
    "8908d6373d7a0000486a14a88680097bf820dbd1c9e4045e86e468e1be3cfda4",
    "ee5807a9e6070eeaecd72e4e972f68d369698e4ce8eb64bc3bb500bc020b1fcd",
};

// Any changed weight, threshold, floor or order of the chain changes some
// share of some score set by far more than the millionth of a percent kept.
TEST(RiskModel, EveryScoreSetUnderEverySelectorPairMatchesTheReference) {
    for (std::uint8_t pair = 0; pair < 9; ++pair) {
        const double adjustment = ChanceAdjustmentFor(pair / 3 + 1, pair % 3 + 1);
        QByteArray lines;
        ScoreSets::ForEach([&](const FactorScores& scores) {
            const SectorShares s = ComputeSectors(scores, adjustment).Shares;
            for (const double share :
                 {s.Chance, s.Diet, s.Bacteria, s.Susceptibility, s.Circumstances}) {
                lines += QByteArray::number(std::llround(std::nearbyint(share * 1e6))) + ' ';
            }
            lines.back() = '\n';
        });
        EXPECT_EQ(QCryptographicHash::hash(lines, QCryptographicHash::Sha256).toHex(),
                  kSweepDigests[pair])
            << "country area " << pair / 3 + 1 << ", group " << pair % 3 + 1;
    }
}

// Bad input changes nothing inside or beside the record (guard bytes on both
// sides show a cell written outside it); four blanks keep the last figures.
TEST(RiskModel, BadInputChangesNothingInsideOrBesideTheRecord) {
    struct Guarded {
        std::array<char, 16> front{};
        RiskModel model;
        std::array<char, 16> back{};
    };
    const auto guarded = std::make_unique<Guarded>();
    RiskModel& model = guarded->model;
    model.SetCountryArea(2);
    model.SetGroup(3);
    EXPECT_EQ(model.EnterScores("21222221 1"), 1);
    EXPECT_EQ(model.EnterScore(1, "31"), 1); // only the first character counts
    const SectorShares before = model.Shares();
    const std::pair<std::uint8_t, std::string_view> calls[] = {
        {0, "3"}, {11, "3"}, {12, "3"}, {255, " "}, {9, ""}, {1, "x"}, {2, {"\0", 1}}};
    for (const auto& [index, text] : calls) {
        EXPECT_EQ(model.EnterScore(index, text), 1) << int(index);
    }
    EXPECT_EQ(model.EnterScores("2   "), 4);
    std::string cells;
    for (std::uint8_t index = 0; index <= 11; ++index) {
        cells += model.Cell(index);
    }
    EXPECT_EQ(cells, " 2   2221 1 ");
    EXPECT_EQ(model.GetCountryArea() * 10 + model.GetGroup(), 23);
    EXPECT_EQ(model.Shares().Circumstances, before.Circumstances);
    EXPECT_EQ(guarded->front, decltype(guarded->front){});
    EXPECT_EQ(guarded->back, decltype(guarded->back){});
}

} // namespace
