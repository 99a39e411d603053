#include "printing/ReportData.h"

#include "model/Numeric.h"

namespace Printing {

QString PercentText(double percentage) {
    return QString::fromStdString(Numeric::IntegerText(Numeric::RoundToInt(percentage)));
}

std::array<QString, SectorCount> PercentTexts(const std::array<double, SectorCount>& percentages) {
    std::array<QString, SectorCount> texts;
    for (int i = 0; i < SectorCount; ++i) {
        texts[i] = PercentText(percentages[i]);
    }
    return texts;
}

} // namespace Printing
