#pragma once

// One caries risk assessment: the ten factor cells as the examiner entered
// them, the two selector codes, and the results of the last sector
// computation.

#include "model/SectorComputation.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace InmBearb {

class RiskModel {
public:
    static constexpr std::uint8_t kFactorCount = 10;
    // A cell holding this character is a factor not entered yet.
    static constexpr char kBlank = ' ';
    // The computation runs only while fewer factors than this are blank.
    static constexpr std::uint8_t kMissingLimit = 4;

    // Starts with every cell blank, both codes 0 and all results 0.
    RiskModel();

    // Stores the first character of `text` as the cell of factor `index`
    // (1 to 10), recomputes the sectors when at least seven factors are
    // entered, and returns the number of blank cells. An index outside 1 to
    // 10, an empty text, or a character that is neither a digit nor the blank
    // changes nothing.
    std::uint8_t EnterScore(std::uint8_t index, std::string_view text);

    // Stores the ten cells at once, in factor order, each as EnterScore
    // stores it, and computes once: a fresh model given all ten scores by
    // EnterScore in factor order ends in the same state. Returns the number
    // of blank cells.
    std::uint8_t EnterScores(std::string_view cells);

    // Store a selector code and recompute the chance adjustment. The sectors
    // follow only at the next EnterScore.
    void SetCountryArea(std::uint8_t code);
    void SetGroup(std::uint8_t code);
    std::uint8_t GetCountryArea() const { return countryAreaCode_; }
    std::uint8_t GetGroup() const { return groupCode_; }
    double ChanceAdjustment() const { return chanceAdjustment_; }

    // The cell of factor `index` as entered; the blank for an index outside
    // 1 to 10. A default used by the computation never shows here.
    char Cell(std::uint8_t index) const;
    std::uint8_t MissingCount() const;

    // Results of the last computation; they stay as they were while four or
    // more factors are blank.
    const SectorIntermediates& Intermediates() const { return last_.Steps; }
    const SectorShares& Shares() const { return last_.Shares; }
    double ChancePercent() const { return last_.Shares.Chance; }
    double DietPercent() const { return last_.Shares.Diet; }
    double BacteriaPercent() const { return last_.Shares.Bacteria; }
    double SusceptibilityPercent() const { return last_.Shares.Susceptibility; }
    double CircumstancesPercent() const { return last_.Shares.Circumstances; }

private:
    struct ScoreReading {
        FactorScores scores;
        std::uint8_t missing = 0;
    };

    // Turns the cells into numeric scores with defaults for the blank ones.
    ScoreReading ReadScores() const;
    void UpdateChanceAdjustment();

    std::array<char, kFactorCount> cells_;
    std::uint8_t countryAreaCode_ = 0;
    std::uint8_t groupCode_ = 0;
    double chanceAdjustment_ = 0;
    SectorComputation last_;
};

} // namespace InmBearb
