#include "batch/RowJudgement.h"

#include "mainwindow/FactorRows.h"
#include "mainwindow/PieItems.h"
#include "mainwindow/ScoreRules.h"
#include "mainwindow/SelectorItems.h"
#include "model/Numeric.h"
#include "model/RiskModel.h"

#include <algorithm>
#include <utility>

namespace Batch {

namespace {

bool AllBlank(const std::string& cell) {
    return std::ranges::all_of(cell, [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace

int SelectorCode(const std::string& cell) {
    const QString text = QString::fromUtf8(cell).trimmed();
    if (text.isEmpty()) {
        return 0;
    }
    const QStringList& items = SelectorItems::Texts();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (text.compare(items[i], Qt::CaseInsensitive) == 0 || text == QString::number(i + 1)) {
            return static_cast<int>(i + 1);
        }
    }
    return -1;
}

QString BandText(ChanceBand band) {
    switch (band) {
    case ChanceBand::Band0020:
        return QStringLiteral("0-20");
    case ChanceBand::Band2040:
        return QStringLiteral("21-40");
    case ChanceBand::Band4060:
        return QStringLiteral("41-60");
    case ChanceBand::Band6080:
        return QStringLiteral("61-80");
    case ChanceBand::Band80100:
        break;
    }
    return QStringLiteral("81-100");
}

RowJudge::RowJudge(Columns columns) : columns_(std::move(columns)) {
    for (int factor = 0; factor < kFactorCount; ++factor) {
        for (int byte = 0; byte < 256; ++byte) {
            single_[factor][byte] = JudgeScore(std::string(1, static_cast<char>(byte)), factor);
        }
        empty_[factor] = JudgeScore({}, factor);
    }
    const QStringList& items = SelectorItems::Texts();
    for (qsizetype i = 0; i < items.size(); ++i) {
        itemTexts_.push_back(items[i].toStdString());
        itemCodes_.push_back(QString::number(i + 1).toStdString());
    }
}

int RowJudge::ExactSelectorCode(const std::string& cell) const {
    for (std::size_t i = 0; i < itemTexts_.size(); ++i) {
        if (cell == itemTexts_[i] || cell == itemCodes_[i]) {
            return static_cast<int>(i + 1);
        }
    }
    return -1;
}

RowJudge::ScoreVerdict RowJudge::JudgeScore(const std::string& cell, int factor) const {
    // An empty cell is an empty score edit.
    const QString text = AllBlank(cell) ? ScoreRules::kBlank : QString::fromUtf8(cell);
    const int maximum = FactorRows::Rows().at(static_cast<std::size_t>(factor)).maximum;
    const ScoreRules::Verdict verdict = ScoreRules::Check(text, maximum);
    if (ScoreRules::Rejected(verdict)) {
        return {false, ' ', ScoreRules::Message(verdict)};
    }
    if (verdict == ScoreRules::Verdict::Blank) {
        return {true, ScoreRules::kBlank.front().toLatin1(), {}};
    }
    // A score edit holds one digit: "01" or "+1" reach the model as "1".
    int value = 0;
    ScoreRules::ParseDecimal(text, value);
    return {true, QString::number(value).front().toLatin1(), {}};
}

RowOutcome RowJudge::Judge(const std::vector<std::string>& cells) const {
    RowOutcome outcome;
    if (std::ranges::all_of(cells, AllBlank)) {
        outcome.status = RowStatus::Empty;
        return outcome;
    }
    if (static_cast<int>(cells.size()) != columns_.width) {
        outcome.errors.push_back({-1, QStringLiteral("the row has %1 cells where the header has %2")
                                          .arg(cells.size())
                                          .arg(columns_.width)});
    }
    static const std::string kNoCell;
    const auto cell = [&cells](int column) -> const std::string& {
        return column >= 0 && column < static_cast<int>(cells.size()) ? cells[column] : kNoCell;
    };

    for (int factor = 0; factor < kFactorCount; ++factor) {
        const int column = columns_.factors[factor];
        const std::string& text = cell(column);
        ScoreVerdict judged;
        const ScoreVerdict& verdict = text.size() == 1
                                          ? single_[factor][static_cast<unsigned char>(text[0])]
                                      : text.empty() ? empty_[factor]
                                                     : (judged = JudgeScore(text, factor));
        if (verdict.accepted) {
            outcome.scores[factor] = verdict.score;
        } else {
            outcome.errors.push_back({column, verdict.message});
        }
    }
    const auto selector = [&](int column, std::uint8_t& code) {
        const int exact = ExactSelectorCode(cell(column));
        const int found = exact > 0 ? exact : SelectorCode(cell(column));
        if (found < 0) {
            outcome.errors.push_back(
                {column, QStringLiteral("\"%1\" names no item (%2, or 1 to 3)")
                             .arg(QString::fromUtf8(cell(column)).trimmed(),
                                  SelectorItems::Texts().join(QStringLiteral(", ")))});
        } else {
            code = static_cast<std::uint8_t>(found);
        }
    };
    selector(columns_.countryArea, outcome.countryArea);
    selector(columns_.group, outcome.group);
    if (!outcome.errors.empty()) {
        outcome.status = RowStatus::Error;
        return outcome;
    }

    // The window's path: the selector codes, then the factors into the model.
    InmBearb::RiskModel model;
    model.SetCountryArea(outcome.countryArea);
    model.SetGroup(outcome.group);
    const std::uint8_t missing = model.EnterScores({outcome.scores.data(), outcome.scores.size()});
    if (!PieItems::ChartMayShow(missing, outcome.countryArea, outcome.group)) {
        outcome.status = missing >= InmBearb::RiskModel::kMissingLimit ? RowStatus::TooManyBlank
                                                                       : RowStatus::SelectorNotSet;
        return outcome;
    }
    outcome.status = RowStatus::Assessed;
    outcome.shares = model.Shares();
    outcome.band = ChooseBand(outcome.shares.Chance);
    outcome.adviceKeys = AdviceKeys(ScoresOf(outcome), outcome.shares.Chance);
    return outcome;
}

AdviceScores RowJudge::ScoresOf(const RowOutcome& outcome) {
    return ReadAdviceScores(outcome.scores);
}

ScoreEditTexts RowJudge::ScoreTextsOf(const RowOutcome& outcome) {
    ScoreEditTexts texts;
    for (int factor = 0; factor < kFactorCount; ++factor) {
        texts[factor] = QString(QLatin1Char(outcome.scores[factor]));
    }
    return texts;
}

} // namespace Batch
