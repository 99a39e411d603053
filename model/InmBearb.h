#pragma once

// The one risk assessment of the running program. The main window writes it
// one factor at a time and through the two selectors; the chart, the advice
// and the printout read the five sector percentages.

#include "model/SectorComputation.h"

#include <cstdint>
#include <string_view>

namespace InmBearb {

// What the chart needs after an entry: how many factors are blank, and the
// sector percentages, which keep the last computation's values while four or
// more factors are blank.
struct ScoreEntry {
    std::uint8_t missing = 0;
    SectorShares shares;
};

// Stores the first character of `text` (a digit or the blank) as the score of
// factor `index` (1 to 10) and recomputes the sectors while at most three
// factors are blank.
ScoreEntry EnterScore(std::uint8_t index, std::string_view text);

// Selector codes: 1 "Standard set", 2 "Low risk", 3 "High risk", 0 none.
// Setting one changes the percentages only at the next EnterScore.
void SetCountryArea(std::uint8_t code);
void SetGroup(std::uint8_t code);
std::uint8_t GetCountryArea();
std::uint8_t GetGroup();

// Sector percentages of the last computation, unclamped and unrounded.
double ChancePercent();
double DietPercent();
double BacteriaPercent();
double SusceptibilityPercent();
double CircumstancesPercent();

} // namespace InmBearb
