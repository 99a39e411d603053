#include "mainwindow/PieItems.h"

#include "model/Numeric.h"

namespace PieItems {

namespace {
constexpr double kSmallestShownChance = 0.5;
constexpr std::uint8_t kMostMissingForChart = 3;
} // namespace

QString ItemText(double value) {
    return QString::fromStdString(Numeric::FixedTwo(value)) + QLatin1Char(' ') +
           QString::fromStdString(Numeric::IntegerText(Numeric::RoundToInt(value))) +
           QLatin1Char('%');
}

QStringList Items(const Shares& shares) {
    const double chance =
        shares.chance < kSmallestShownChance ? kSmallestShownChance : shares.chance;
    return {ItemText(chance), ItemText(shares.circumstances), ItemText(shares.susceptibility),
            ItemText(shares.bacteria), ItemText(shares.diet)};
}

bool ChartMayShow(std::uint8_t missing, std::uint8_t countryArea, std::uint8_t group) {
    return missing <= kMostMissingForChart && countryArea != 0 && group != 0;
}

} // namespace PieItems
