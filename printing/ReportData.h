#pragma once

// Everything the chart report prints, gathered by the print command before
// the options dialog is shown (the colour choice excepted) and only read by
// the composition.

#include "model/RiskModel.h"

#include <QString>
#include <QStringList>
#include <array>

namespace Printing {

// Index of a sector in ReportData's five-value arrays.
enum Sector : int {
    ChanceSector = 0,
    DietSector = 1,
    BacteriaSector = 2,
    SusceptibilitySector = 3,
    CircumstancesSector = 4,
};
inline constexpr int kSectorCount = 5;
inline constexpr int kFactorCount = InmBearb::RiskModel::kFactorCount;

struct ReportData {
    // Scores as entered, in factor order: a digit, or " " for an empty box.
    std::array<QString, kFactorCount> scoreTexts;
    QString countryAreaText;
    QString groupText;
    // Sector percentages in the order chance, diet, bacteria, susceptibility,
    // circumstances: rounded as decimal text, and unrounded.
    std::array<QString, kSectorCount> percentTexts;
    std::array<double, kSectorCount> percentages{};
    QString name;
    QString identNo;
    QString date;
    QString examiner;
    QStringList commentLines;
    // Device pixels per page unit across and down.
    double sx = 0.0;
    double sy = 0.0;
    bool colourMode = false;
};

// A percentage as the printout writes it: the nearest whole number (halves to
// the even neighbour) in decimal, a negative value with its minus sign.
QString PercentText(double percentage);

// PercentText for each of the five sectors, same order.
std::array<QString, kSectorCount> PercentTexts(const std::array<double, kSectorCount>& percentages);

} // namespace Printing
