#include "printing/ReportData.h"

#include "model/Numeric.h"

namespace Printing {

QString PercentText(double percentage) {
    return QString::fromStdString(Numeric::IntegerText(Numeric::RoundToInt(percentage)));
}

std::array<QString, kSectorCount>
PercentTexts(const std::array<double, kSectorCount>& percentages) {
    std::array<QString, kSectorCount> texts;
    for (int i = 0; i < kSectorCount; ++i) {
        texts[i] = PercentText(percentages[i]);
    }
    return texts;
}

} // namespace Printing
