#include "advice/AdviceSelection.h"

#include "advice/Advicedl.h"
#include "model/Numeric.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <stdexcept>

namespace {

// A blank score edit holds the model's blank cell and reaches the advice as 9.
constexpr int kBlank = 9;

// One-blank line that follows every fragment but the closing one.
const QString kSeparator = QStringLiteral(" ");

// Where the bands part from the rules of the highest-risk band. The two
// favourable bands (61-100) stay silent about a missing mutans count, a
// missing saliva measurement and any fluoride use short of none, and ask
// only for the plaque amount or the fluoride program when those are blank.
// Only the two high-risk bands (0-40) ask for a missing buffer capacity.
struct BandRules {
    bool favourable = false;
    bool asksForBuffer = false;
};

constexpr BandRules kHighRiskRules{.favourable = false, .asksForBuffer = true};
constexpr BandRules kIntermediateRules{.favourable = false, .asksForBuffer = false};
constexpr BandRules kFavourableRules{.favourable = true, .asksForBuffer = false};

bool IsOneOf(int value, std::initializer_list<int> choices) {
    return std::ranges::find(choices, value) != choices.end();
}

bool IsLow(int value) {
    return IsOneOf(value, {0, 1});
}
bool IsHigh(int value) {
    return IsOneOf(value, {2, 3});
}

// Each block names the key of the fragment it appends, or an empty key when
// it appends nothing. Conditions are tried top to bottom, the first that
// holds decides; a value outside the factor's range may match none.

std::string_view VerdictKey(int saliva, int fluoride) {
    if (saliva == 3 && fluoride == 3) {
        return "1.1";
    }
    if (saliva == 3 && IsOneOf(fluoride, {0, 1, 2, kBlank})) {
        return "1.2";
    }
    if (fluoride == 3 && IsOneOf(saliva, {0, 1, 2, kBlank})) {
        return "1.3";
    }
    return "1.4";
}

std::string_view DietKey(int contents, int frequency) {
    if (IsLow(contents) && IsLow(frequency)) {
        return {};
    }
    if (IsHigh(contents) && IsHigh(frequency)) {
        return "3.1";
    }
    if (IsHigh(contents) && IsLow(frequency)) {
        return "3.2";
    }
    if (IsHigh(frequency) && IsLow(contents)) {
        return "3.3";
    }
    if (contents == kBlank || frequency == kBlank) {
        return "3.4";
    }
    return {};
}

std::string_view BacteriaKey(int plaque, int mutans, const BandRules& rules) {
    if (IsLow(plaque) && IsLow(mutans)) {
        return {};
    }
    if (rules.favourable && mutans == kBlank) {
        return {};
    }
    if (IsHigh(plaque) && IsHigh(mutans)) {
        return "4.1";
    }
    if (IsHigh(plaque) && IsLow(mutans)) {
        return "4.2";
    }
    if (IsHigh(mutans) && IsLow(plaque)) {
        return "4.3";
    }
    if (plaque == kBlank || mutans == kBlank) {
        return "4.4";
    }
    return {};
}

std::string_view FluorideKey(int fluoride, const BandRules& rules) {
    if (rules.favourable) {
        if (fluoride == 3) {
            return "5.1";
        }
        if (fluoride == kBlank) {
            return "5.2";
        }
        return {};
    }
    switch (fluoride) {
    case 3:
        return "5.1";
    case 2:
        return "5.2";
    case 1:
        return "5.3";
    case 0:
        return "5.4";
    case kBlank:
        return "5.5";
    default:
        return {};
    }
}

std::string_view SalivaKey(int saliva, const BandRules& rules) {
    if (IsHigh(saliva)) {
        return "6.1";
    }
    if (saliva == 1) {
        return "6.2";
    }
    if (saliva == kBlank && !rules.favourable) {
        return "6.3";
    }
    return {};
}

std::string_view BufferKey(int buffer, const BandRules& rules) {
    if (IsOneOf(buffer, {1, 2})) {
        return "7.1";
    }
    if (buffer == kBlank && rules.asksForBuffer) {
        return "7.2";
    }
    return {};
}

std::string_view JudgementKey(int judgement) {
    if (judgement == 2) {
        return "8.1";
    }
    if (judgement == 3) {
        return "8.2";
    }
    return {};
}

// The keys of the fragments the advice of a band is made of, block 1 to 9 in
// order; a block that appends nothing has no key here.
AdviceKeyList BandKeys(const AdviceScores& scores, const BandRules& rules) {
    using namespace AdviceFactor;
    const std::string_view blocks[] = {
        VerdictKey(scores[SalivaSecretion], scores[FluorideProgram]),
        "2.1",
        DietKey(scores[DietContents], scores[DietFrequency]),
        BacteriaKey(scores[PlaqueAmount], scores[MutansStreptococci], rules),
        FluorideKey(scores[FluorideProgram], rules),
        SalivaKey(scores[SalivaSecretion], rules),
        BufferKey(scores[BufferCapacity], rules),
        JudgementKey(scores[ClinicalJudgement]),
        "9.1",
    };
    AdviceKeyList keys;
    for (const std::string_view key : blocks) {
        if (!key.empty()) {
            keys.Append(key);
        }
    }
    return keys;
}

void AppendAdvice(const AdviceScores& scores, const BandRules& rules, const TFragmentHolder& holder,
                  QStringList& target) {
    const AdviceKeyList keys = BandKeys(scores, rules);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        target << holder.Fragment(
            QLatin1String(keys[i].data(), static_cast<qsizetype>(keys[i].size())));
        // The closing remarks end the advice, so no separator follows them.
        if (i + 1 < keys.size()) {
            target << kSeparator;
        }
    }
}

const BandRules& RulesOf(ChanceBand band) {
    switch (band) {
    case ChanceBand::Band0020:
    case ChanceBand::Band2040:
        return kHighRiskRules;
    case ChanceBand::Band4060:
        return kIntermediateRules;
    case ChanceBand::Band6080:
    case ChanceBand::Band80100:
        break;
    }
    return kFavourableRules;
}

} // namespace

ChanceBand ChooseBand(double chancePercent) {
    const int rounded = Numeric::RoundToInt(chancePercent);
    if (rounded <= 20) {
        return ChanceBand::Band0020;
    }
    if (rounded <= 40) {
        return ChanceBand::Band2040;
    }
    if (rounded <= 60) {
        return ChanceBand::Band4060;
    }
    if (rounded <= 80) {
        return ChanceBand::Band6080;
    }
    return ChanceBand::Band80100;
}

void Advice0020(const AdviceScores& scores, const TDlg0020& holder, QStringList& target) {
    AppendAdvice(scores, kHighRiskRules, holder, target);
}

void Advice2040(const AdviceScores& scores, const TDlg2040& holder, QStringList& target) {
    AppendAdvice(scores, kHighRiskRules, holder, target);
}

void Advice4060(const AdviceScores& scores, const TDlg4060& holder, QStringList& target) {
    AppendAdvice(scores, kIntermediateRules, holder, target);
}

void Advice6080(const AdviceScores& scores, const TDlg6080& holder, QStringList& target) {
    AppendAdvice(scores, kFavourableRules, holder, target);
}

void Advice80100(const AdviceScores& scores, const TDlg80100& holder, QStringList& target) {
    AppendAdvice(scores, kFavourableRules, holder, target);
}

std::optional<int> ReadAdviceScore(std::string_view editText) {
    if (editText.size() == 1) {
        // Nearly every edit holds one character: a digit or the blank.
        const char c = editText.front();
        if (c == InmBearb::RiskModel::kBlank) {
            return kBlank;
        }
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
    }
    return Numeric::ParseInteger(editText);
}

AdviceScores ReadAdviceScores(const ScoreEditTexts& editTexts) {
    AdviceScores scores{};
    for (std::size_t factor = 0; factor < editTexts.size(); ++factor) {
        const QString& text = editTexts[factor];
        if (const std::optional<int> score = ReadAdviceScore(text.toStdString())) {
            scores[factor] = *score;
        } else {
            throw std::runtime_error(
                QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
        }
    }
    return scores;
}

AdviceScores ReadAdviceScores(const std::array<char, InmBearb::RiskModel::kFactorCount>& cells) {
    AdviceScores scores{};
    for (std::size_t factor = 0; factor < cells.size(); ++factor) {
        if (const std::optional<int> score = ReadAdviceScore({&cells[factor], 1})) {
            scores[factor] = *score;
        } else {
            throw std::runtime_error("'" + std::string(1, cells[factor]) +
                                     "' is not a valid integer value");
        }
    }
    return scores;
}

AdviceKeyList AdviceKeys(const AdviceScores& scores, double chancePercent) {
    return BandKeys(scores, RulesOf(ChooseBand(chancePercent)));
}

QStringList AssembleAdvice(const AdviceScores& scores, double chancePercent,
                           const FragmentHolders& holders) {
    QStringList lines;
    switch (ChooseBand(chancePercent)) {
    case ChanceBand::Band0020:
        Advice0020(scores, holders.dlg0020, lines);
        break;
    case ChanceBand::Band2040:
        Advice2040(scores, holders.dlg2040, lines);
        break;
    case ChanceBand::Band4060:
        Advice4060(scores, holders.dlg4060, lines);
        break;
    case ChanceBand::Band6080:
        Advice6080(scores, holders.dlg6080, lines);
        break;
    case ChanceBand::Band80100:
        Advice80100(scores, holders.dlg80100, lines);
        break;
    }
    return lines;
}

void BuildAdvice(const ScoreEditTexts& editTexts, double chancePercent,
                 const FragmentHolders& holders, TAdvice& advice) {
    // Convert everything first: a bad edit leaves the previous advice alone.
    const AdviceScores scores = ReadAdviceScores(editTexts);
    advice.SetLines(AssembleAdvice(scores, chancePercent, holders));
}

const FragmentHolders& SharedFragmentHolders() {
    static const TDlg0020 dlg0020;
    static const TDlg2040 dlg2040;
    static const TDlg4060 dlg4060;
    static const TDlg6080 dlg6080;
    static const TDlg80100 dlg80100;
    static const FragmentHolders holders{dlg0020, dlg2040, dlg4060, dlg6080, dlg80100};
    return holders;
}
