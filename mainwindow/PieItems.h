#pragma once

// The five data lines the pie chart is drawn from, and when a chart may be
// shown at all.

#include "model/SectorComputation.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace PieItems {

// A sector size with two decimals, a blank, the rounded percentage and a
// percent sign: 21.2437 -> "21.24 21%", 22.5883 -> "22.59 23%". The point is
// the decimal separator whatever the regional settings.
QString ItemText(double value);

// The lines for the risk model's five sector percentages, as it left them,
// in drawing order: chance (raised to 0.5 so its sector stays
// visible), Circumstances, Susceptibility, Bacteria, Diet. This order makes
// the chart's colour slots match the legend.
QStringList Items(const InmBearb::SectorShares& shares);

// What the chart shows, in words, for assistive technology: each sector's
// name with the percentage written in it, in drawing order, e.g. "Actual
// chance to avoid new cavities 21%, Circumstances 11%, ...". `items` are the
// lines Items() made.
QString Description(const QStringList& items);

// A chart needs at least seven entered factors and both selections made.
bool ChartMayShow(std::uint8_t missing, std::uint8_t countryArea, std::uint8_t group);

} // namespace PieItems
