#include "tests/sample/SampleAssessment.h"

#include "model/InmBearb.h"

#include <cstdint>
#include <string>

namespace SampleAssessment {

void EnterScores(Printing::PrintCommandInput& input, std::string_view scores,
                 const QString& groupText) {
    InmBearb::SetCountryArea(1);
    InmBearb::SetGroup(1);
    for (std::size_t i = 0; i < scores.size(); ++i) {
        input.scoreTexts[i] = QString(QLatin1Char(scores[i]));
        InmBearb::EnterScore(static_cast<std::uint8_t>(i + 1), std::string(1, scores[i]));
    }
    input.shares = {InmBearb::ChancePercent(), InmBearb::DietPercent(), InmBearb::BacteriaPercent(),
                    InmBearb::SusceptibilityPercent(), InmBearb::CircumstancesPercent()};
    input.countryAreaText = QStringLiteral("Standard set");
    input.groupText = groupText;
}

} // namespace SampleAssessment
