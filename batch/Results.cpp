#include "batch/Results.h"

#include "batch/CsvWriter.h"
#include "model/Numeric.h"
#include "printing/ReportData.h"

#include <algorithm>
#include <array>

namespace Batch {

QStringList ResultHeaders(bool withAdvice) {
    QStringList headers{QStringLiteral("Status"),
                        QStringLiteral("Chance"),
                        QStringLiteral("Diet"),
                        QStringLiteral("Bacteria"),
                        QStringLiteral("Susceptibility"),
                        QStringLiteral("Circumstances"),
                        QStringLiteral("Chance printed"),
                        QStringLiteral("Band"),
                        QStringLiteral("Advice fragments")};
    if (withAdvice) {
        headers << QStringLiteral("Advice");
    }
    return headers;
}

QStringList ErrorTexts(const RowOutcome& outcome, const Columns& columns) {
    QStringList texts;
    for (const CellError& error : outcome.errors) {
        if (error.column < 0) {
            texts << error.message;
        } else {
            texts << QString::fromStdString(columns.headers.at(error.column)).trimmed() +
                         QStringLiteral(": ") + error.message;
        }
    }
    return texts;
}

QString StatusText(const RowOutcome& outcome, const Columns& columns) {
    switch (outcome.status) {
    case RowStatus::Assessed:
        return QStringLiteral("assessed");
    case RowStatus::TooManyBlank:
        return QStringLiteral("more than three factors blank");
    case RowStatus::SelectorNotSet:
        return QStringLiteral("selector not set");
    case RowStatus::Empty:
        return QStringLiteral("empty row");
    case RowStatus::Error:
        break;
    }
    return QStringLiteral("error: ") + ErrorTexts(outcome, columns).join(QStringLiteral("; "));
}

void WriteResultCells(CsvWriter& writer, const RowOutcome& outcome, const Columns& columns,
                      const QStringList* advice) {
    static const std::string assessed = "assessed";
    writer.Cell(outcome.status == RowStatus::Assessed ? assessed
                                                      : StatusText(outcome, columns).toStdString());
    const int cells = advice != nullptr ? 9 : 8;
    if (outcome.status != RowStatus::Assessed) {
        for (int i = 0; i < cells; ++i) {
            writer.Cell({});
        }
        return;
    }
    const InmBearb::SectorShares& shares = outcome.shares;
    for (const double share : {shares.Chance, shares.Diet, shares.Bacteria, shares.Susceptibility,
                               shares.Circumstances}) {
        writer.Cell(Numeric::FixedTwo(share));
    }
    // The printed chance is a short run of ASCII digits: copied without a
    // conversion of its own.
    const QString printed = Printing::PercentText(shares.Chance);
    std::array<char, 16> digits{};
    std::size_t length = 0;
    for (const QChar c : printed) {
        if (length < digits.size()) {
            digits[length++] = static_cast<char>(c.unicode());
        }
    }
    writer.Cell({digits.data(), length});
    static const std::string bands[] = {
        BandText(ChanceBand::Band0020).toStdString(), BandText(ChanceBand::Band2040).toStdString(),
        BandText(ChanceBand::Band4060).toStdString(), BandText(ChanceBand::Band6080).toStdString(),
        BandText(ChanceBand::Band80100).toStdString()};
    writer.Cell(bands[static_cast<int>(outcome.band)]);
    // The keys joined by blanks; a key is three characters ("4.1").
    std::array<char, 8 * AdviceKeyList::kCapacity> keys{};
    std::size_t used = 0;
    for (const std::string_view key : outcome.adviceKeys) {
        if (used > 0 && used < keys.size()) {
            keys[used++] = ' ';
        }
        used += key.copy(keys.data() + used, keys.size() - used);
    }
    writer.Cell({keys.data(), used});
    if (advice != nullptr) {
        writer.Cell(advice->join(QLatin1Char('\n')).toStdString());
    }
}

} // namespace Batch
