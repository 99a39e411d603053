#include "mainwindow/PieItems.h"

#include "model/Numeric.h"

#include <algorithm>
#include <array>

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

QStringList Items(const InmBearb::SectorShares& shares) {
    const double chance =
        shares.Chance < kSmallestShownChance ? kSmallestShownChance : shares.Chance;
    return {ItemText(chance), ItemText(shares.Circumstances), ItemText(shares.Susceptibility),
            ItemText(shares.Bacteria), ItemText(shares.Diet)};
}

QString Description(const QStringList& items) {
    static const std::array<QString, 5> kSectorNames = {
        QStringLiteral("Actual chance to avoid new cavities"), QStringLiteral("Circumstances"),
        QStringLiteral("Susceptibility"), QStringLiteral("Bacteria"), QStringLiteral("Diet")};
    QStringList parts;
    const qsizetype count = std::min<qsizetype>(items.size(), kSectorNames.size());
    for (qsizetype i = 0; i < count; ++i) {
        // The shown percentage is the part after the sector size.
        const QString shown = items[i].section(QLatin1Char(' '), 1);
        parts << kSectorNames[static_cast<std::size_t>(i)] + QLatin1Char(' ') + shown;
    }
    return parts.join(QStringLiteral(", "));
}

bool ChartMayShow(std::uint8_t missing, std::uint8_t countryArea, std::uint8_t group) {
    return missing <= kMostMissingForChart && countryArea != 0 && group != 0;
}

} // namespace PieItems
