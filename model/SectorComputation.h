#pragma once

// The caries risk model proper: a fixed chain of weighted point rules that
// turns the ten factor scores and the chance adjustment of the two selectors
// into five sector percentages (the chance to avoid new cavities, Diet,
// Bacteria, Susceptibility and Circumstances).

#include <cstdint>

namespace InmBearb {

// The ten factor scores as the chain reads them: whole numbers held as 64-bit
// floats, with defaults already standing in for blank factors. The short names
// are the model's own symbols.
struct FactorScores {
    double CE = 0; // caries experience, 0-3
    double RD = 0; // related diseases, 0-2
    double DC = 0; // diet, contents, 0-3
    double DF = 0; // diet, frequency, 0-3
    double PA = 0; // plaque amount, 0-3
    double MS = 0; // mutans streptococci, 0-3
    double FP = 0; // fluoride program, 0-3
    double SS = 0; // saliva secretion, 0-3
    double BC = 0; // buffer capacity, 0-2
    double CJ = 0; // clinical judgement, 0-3
};

// The five sector percentages. They add up to 100 within rounding and are
// neither clamped nor rounded: the chance may be tiny or slightly negative.
struct SectorShares {
    double Chance = 0;
    double Diet = 0;
    double Bacteria = 0;
    double Susceptibility = 0;
    double Circumstances = 0;
};

// Every intermediate of one run of the chain, in the order it is formed.
struct SectorIntermediates {
    double CircumstancesBase = 0;
    double ScoreSum = 0;
    double LevelTwoPoints = 0;
    double LevelThreePoints = 0;
    double PairPoints = 0;
    double CombinationPoints = 0;
    double InteractionPoints = 0;
    double FluorideCredit = 0;
    double WeightedScoreSum = 0;
    double SalivaSurcharge = 0;
    double FluorideSurcharge = 0;
    double DietValue = 0;
    double BacteriaValue = 0;
    double SusceptibilityValue = 0;
    double CircumstancesValue = 0;
    double SectorTotal = 0;
    double NetSectorTotal = 0;
    double ChanceBase = 0;
    double RiskLoad = 0;
    double RawChance = 0;
    double JudgedChance = 0;
    double ChanceValue = 0;
    double Total = 0; // chance plus the four risk values, the divisor of the shares
};

struct SectorComputation {
    SectorIntermediates Steps;
    SectorShares Shares;
};

// Selection codes of both selectors: 1 "Standard set", 2 "Low risk",
// 3 "High risk", 0 none. A code outside 1 to 3 contributes nothing.
double CountryAreaContribution(std::uint8_t code);
double GroupContribution(std::uint8_t code);

// The multiplier of the chance formed by both selectors; "Standard set" in
// both gives 10.
double ChanceAdjustmentFor(std::uint8_t countryAreaCode, std::uint8_t groupCode);

// Runs the whole chain. Pure: the same inputs always give the same bits.
SectorComputation ComputeSectors(const FactorScores& scores, double chanceAdjustment);

} // namespace InmBearb
