// The sector computation: golden figures for chosen score sets, and every
// score set under every selector pair against an independent reference.

#include "model/SectorComputation.h"

#include "model/Numeric.h"
#include "tests/sample/ScoreSets.h"

#include <QCryptographicHash>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using namespace InmBearb;
using Numeric::FixedTwo;

namespace {

struct GoldenRow {
    const char* scores; // ten digits in factor order
    std::uint8_t countryArea;
    std::uint8_t group;
    const char* shares; // chance, Diet, Bacteria, Susceptibility, Circumstances
};

// Figures as the chart shows them; each also given by
// `tests/model/reference_model.py <scores> <country area> <group>`.
const GoldenRow kGolden[] = {
    {"2122222111", 1, 1, "21.24 22.59 22.59 22.59 11.00"}, // every factor at its default
    {"2122222111", 2, 2, "35.03 18.63 18.63 18.63 9.07"},
    {"2122222111", 3, 3, "11.88 25.27 25.27 25.27 12.31"},
    {"2122222111", 2, 3, "24.45 21.67 21.67 21.67 10.55"},
    {"2122222111", 3, 2, "25.95 21.23 21.23 21.23 10.34"},
    {"2122222110", 1, 1, "38.99 17.50 17.50 17.50 8.52"}, // each clinical judgement
    {"2122222112", 1, 1, "7.25 26.60 26.60 26.60 12.95"},
    {"2122222113", 1, 1, "0.71 28.47 28.47 28.47 13.87"},
    {"0000000001", 1, 1, "99.55 0.06 0.10 0.19 0.10"}, // every floor, caries-free bonus
    {"0000000000", 1, 1, "99.70 0.04 0.07 0.13 0.07"},
    {"1011111001", 1, 1, "93.85 2.18 2.18 1.09 0.71"},    // fluoride now and then
    {"3233333323", 1, 1, "0.16 9.76 9.76 75.03 5.28"},    // maxima: both surcharges, pinned
    {"0233333323", 1, 1, "0.17 10.08 10.08 77.49 2.18"},  // pinned despite no caries
    {"3233333321", 1, 1, "-0.36 9.81 9.81 75.42 5.31"},   // the chance may go negative
    {"3233332320", 2, 2, "-2.14 14.86 14.86 64.39 8.04"}, // the lowest chance of all
    // Beyond the ranges, the only way to 7 interaction points, which count as 1.
    {"1004030001", 1, 1, "72.01 12.95 9.71 3.24 2.10"},
};

TEST(SectorComputation, GoldenFiguresAndSelectorCodes) {
    for (const GoldenRow& row : kGolden) {
        FactorScores f;
        double* const cells[] = {&f.CE, &f.RD, &f.DC, &f.DF, &f.PA,
                                 &f.MS, &f.FP, &f.SS, &f.BC, &f.CJ};
        for (int i = 0; i < 10; ++i) {
            *cells[i] = row.scores[i] - '0';
        }
        const auto s = ComputeSectors(f, ChanceAdjustmentFor(row.countryArea, row.group)).Shares;
        EXPECT_EQ(FixedTwo(s.Chance) + " " + FixedTwo(s.Diet) + " " + FixedTwo(s.Bacteria) + " " +
                      FixedTwo(s.Susceptibility) + " " + FixedTwo(s.Circumstances),
                  row.shares)
            << row.scores << " selectors " << int(row.countryArea) << int(row.group);
    }
    // Codes outside the lists contribute nothing.
    EXPECT_EQ(ChanceAdjustmentFor(0, 0), 0);
    EXPECT_EQ(ChanceAdjustmentFor(4, 1), 5);
    EXPECT_EQ(ChanceAdjustmentFor(2, 255), 10);
}

struct SweepDigest {
    std::uint8_t countryArea;
    std::uint8_t group;
    const char* sha256;
};

// Made by `python3 tests/model/reference_model.py`, which computes the model
// on its own and prints these rows; its comment says what is digested.
const SweepDigest kSweepDigests[] = {
    {1, 1, "363313c2144b5cf430b6f9d8e66df724c413339e7c8e478b1baa468fed4d6bfa"},
    {1, 2, "922f5dca148d1dfcede50645795a9b5ae31f8e86ccaca172a8e36cf5b2d8834e"},
    {1, 3, "00fef60c55cf8330d095aac9582c30977299e297d365fd8433fd351dd623ae81"},
    {2, 1, "922f5dca148d1dfcede50645795a9b5ae31f8e86ccaca172a8e36cf5b2d8834e"},
    {2, 2, "0796504b2b616921240b1f6a16ed495ec8c7870d741454471bdecefa12647121"},
    {2, 3, "6cd0045564ae7a685cab12274bad87dd547326d4b1f102d7b6f0433371f38eed"},
    {3, 1, "d8640e45e2e4d035fcba5d41d5a6d8825a1609418442e4b829bcf636178cba16"},
    {3, 2, "8908d6373d7a0000486a14a88680097bf820dbd1c9e4045e86e468e1be3cfda4"},
    {3, 3, "ee5807a9e6070eeaecd72e4e972f68d369698e4ce8eb64bc3bb500bc020b1fcd"},
};

class ScoreSweep : public testing::TestWithParam<SweepDigest> {};

// Any changed weight, threshold, floor or order of the chain changes some
// share of some score set by far more than the millionth of a percent kept.
TEST_P(ScoreSweep, EveryScoreSetMatchesTheReference) {
    const double adjustment = ChanceAdjustmentFor(GetParam().countryArea, GetParam().group);
    std::string lines;
    ScoreSets::ForEach([&](const FactorScores& scores) {
        const SectorShares s = ComputeSectors(scores, adjustment).Shares;
        for (const double share :
             {s.Chance, s.Diet, s.Bacteria, s.Susceptibility, s.Circumstances}) {
            lines += std::to_string(std::llround(std::nearbyint(share * 1e6))) + ' ';
        }
        lines.back() = '\n';
    });
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(lines.data(), qsizetype(lines.size())),
                                 QCryptographicHash::Sha256)
            .toHex();
    EXPECT_EQ(digest.toStdString(), GetParam().sha256);
}

INSTANTIATE_TEST_SUITE_P(EverySelectorPair, ScoreSweep, testing::ValuesIn(kSweepDigests));

} // namespace
