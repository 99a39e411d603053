#include "model/SectorComputation.h"

namespace InmBearb {

namespace {

// An amount that counts only while its condition holds. Each rule below is a
// sum of such terms, added left to right in the order the model lists them.
constexpr double When(bool holds, double amount) {
    return holds ? amount : 0.0;
}

// A risk value of exactly zero is replaced by a small floor, so that every
// sector stays visible and the total can never be zero.
constexpr double Floored(double value, double floor) {
    return value == 0.0 ? floor : value;
}

// Interaction points below this are replaced by a single point.
constexpr double kMinimumInteraction = 8.0;

} // namespace

double CountryAreaContribution(std::uint8_t code) {
    switch (code) {
    case 1:
        return 5.0; // "Standard set"
    case 2:
        return 10.0; // "Low risk"
    case 3:
        return 3.0; // "High risk"
    default:
        return 0.0;
    }
}

double GroupContribution(std::uint8_t code) {
    switch (code) {
    case 1:
        return 5.0;
    case 2:
        return 10.0;
    case 3:
        return 2.0;
    default:
        return 0.0;
    }
}

double ChanceAdjustmentFor(std::uint8_t countryAreaCode, std::uint8_t groupCode) {
    return CountryAreaContribution(countryAreaCode) + GroupContribution(groupCode);
}

SectorComputation ComputeSectors(const FactorScores& scores, double chanceAdjustment) {
    const auto [CE, RD, DC, DF, PA, MS, FP, SS, BC, CJ] = scores;
    SectorComputation result;
    SectorIntermediates& r = result.Steps;

    // Caries history and general disease make up the Circumstances sector;
    // the seven diet, bacteria and host factors are summed for the chance.
    r.CircumstancesBase = (CE + RD) / 1.54;
    r.ScoreSum = DC + DF + PA + MS + FP + SS + BC;

    // Points for moderate and for high levels of the single factors.
    r.LevelTwoPoints = When(DC == 2, 5) + When(DF == 2, 6) + When(PA == 2, 5) + When(MS == 2, 7) +
                       When(FP == 2, 5) + When(SS > 0, 3) + When(BC > 0, 3) + When(PA == 1, 2);
    r.LevelThreePoints = When(DC == 3, 8) + When(DF == 3, 10) + When(PA == 3, 8) +
                         When(MS == 3, 12) + When(FP == 3, 30) + When(SS == 2, 3) +
                         When(BC == 2, 3);

    // Factors that reinforce each other: high pairs and high combinations.
    r.PairPoints = When(DC + DF == 6, 10) + When(DC + DF == 5, 5) + When(PA + MS == 6, 10) +
                   When(PA + MS == 5, 5) + When(SS + BC == 4, 5) + When(SS + BC == 5, 10);
    r.CombinationPoints = When(DC + DF + PA > 7, 10) + When(DC + DF + MS > 6, 17) -
                          When(DC == 0, 10) + When(DC + DF + PA + MS + FP > 9, 14);
    const double interaction = r.PairPoints + r.CombinationPoints;
    r.InteractionPoints = interaction < kMinimumInteraction ? 1.0 : interaction;

    // Generous fluoride use takes part of the risk sectors back.
    r.FluorideCredit =
        When(FP == 0, (r.LevelTwoPoints + r.LevelThreePoints + r.ScoreSum + 1.73) * 0.51) +
        When(FP == 1, 0.67 * r.ScoreSum);

    // Low diet and bacteria levels weigh the score sum up; very low saliva
    // and the avoidance of fluoride add surcharges.
    const double D4 = DC + DF + PA + MS;
    r.WeightedScoreSum = When(D4 < 7, 1.63 * r.ScoreSum) + When(D4 > 6, 1.0 * r.ScoreSum);
    r.SalivaSurcharge = When(SS == 3, r.WeightedScoreSum);
    r.FluorideSurcharge = When(FP == 3, 1.04 * DC + DF + PA + MS + FP + SS);

    r.DietValue = Floored(DC + DF, 0.3);
    r.BacteriaValue = Floored(PA + MS, 0.5);
    r.SusceptibilityValue = Floored(FP + SS + BC + r.SalivaSurcharge + r.FluorideSurcharge, 1.0);
    r.CircumstancesValue = Floored(r.CircumstancesBase, 0.5);

    r.SectorTotal = r.DietValue + r.BacteriaValue + r.SusceptibilityValue + r.CircumstancesValue;
    r.NetSectorTotal = r.SectorTotal - r.FluorideCredit;

    // The selectors act only here, as a multiplier of the chance, so they
    // leave the proportions of the four risk sectors among themselves alone.
    r.ChanceBase = 20.0 + r.WeightedScoreSum + r.FluorideSurcharge;
    r.RiskLoad = Floored(r.LevelTwoPoints + r.LevelThreePoints + r.InteractionPoints, 1.0);
    r.RawChance = (r.ChanceBase - r.NetSectorTotal) * (chanceAdjustment / r.RiskLoad);

    // The examiner's judgement scales the chance; a caries-free history adds
    // a bonus on top; "Very high risk" pins the chance to a sliver.
    r.JudgedChance = When(CJ == 0, 2.37 * r.RawChance) + When(CJ == 1, 1.0 * r.RawChance) +
                     When(CJ == 2, 0.29 * r.RawChance) + When(CE == 0, 1.75 * r.RawChance);
    r.ChanceValue = CJ == 3 ? 0.1 : r.JudgedChance;

    r.Total = r.ChanceValue + r.DietValue + r.BacteriaValue + r.SusceptibilityValue +
              r.CircumstancesValue;
    SectorShares& s = result.Shares;
    s.Chance = 100 * r.ChanceValue / r.Total;
    s.Diet = 100 * r.DietValue / r.Total;
    s.Bacteria = 100 * r.BacteriaValue / r.Total;
    s.Susceptibility = 100 * r.SusceptibilityValue / r.Total;
    s.Circumstances = 100 * r.CircumstancesValue / r.Total;
    return result;
}

} // namespace InmBearb
