#pragma once

// Selection of the "Preliminary interpretation and proposed measures": the
// chance band is chosen by the chance rounded to a whole percent, and within
// the band one fragment per topic is picked by the individual scores. The
// result is a list of text lines, fragments joined by one-blank separator
// lines, ending with the last line of the closing remarks.

#include "advice/Ch0020.h"
#include "advice/Ch2040.h"
#include "advice/Ch4060.h"
#include "advice/Ch6080.h"
#include "advice/Ch80100.h"
#include "model/RiskModel.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

class TAdvice;

// The ten advice scores in factor order: the digit of each score edit, or 9
// for a blank edit. Values outside a factor's range are kept as they are.
using AdviceScores = std::array<int, InmBearb::RiskModel::kFactorCount>;

// The texts of the ten score edits in factor order: a digit, or the blank.
using ScoreEditTexts = std::array<QString, InmBearb::RiskModel::kFactorCount>;

// Positions of the factors in AdviceScores.
namespace AdviceFactor {
enum : std::size_t {
    CariesExperience,
    RelatedDiseases,
    DietContents,
    DietFrequency,
    PlaqueAmount,
    MutansStreptococci,
    FluorideProgram,
    SalivaSecretion,
    BufferCapacity,
    ClinicalJudgement,
};
} // namespace AdviceFactor

enum class ChanceBand { Band0020, Band2040, Band4060, Band6080, Band80100 };

// Band of the chance rounded to the nearest integer, halves to the even
// neighbour: 20 or less, 21-40, 41-60, 61-80, 81 or more. A negative chance
// falls in the lowest band.
ChanceBand ChooseBand(double chancePercent);

// The advice of one band, appended to `target` (which is not emptied first).
void Advice0020(const AdviceScores& scores, const TDlg0020& holder, QStringList& target);
void Advice2040(const AdviceScores& scores, const TDlg2040& holder, QStringList& target);
void Advice4060(const AdviceScores& scores, const TDlg4060& holder, QStringList& target);
void Advice6080(const AdviceScores& scores, const TDlg6080& holder, QStringList& target);
void Advice80100(const AdviceScores& scores, const TDlg80100& holder, QStringList& target);

// The five fragment stores, created once at program start.
struct FragmentHolders {
    const TDlg0020& dlg0020;
    const TDlg2040& dlg2040;
    const TDlg4060& dlg4060;
    const TDlg6080& dlg6080;
    const TDlg80100& dlg80100;
};

// The five fragment stores made on first use and kept until exit, for code
// that has no main window creating them (the cohort program, tools, tests).
const FragmentHolders& SharedFragmentHolders();

// The advice score of one score edit's text (UTF-8): a single blank (an empty
// score) is 9, a decimal integer (an optional sign and ASCII digits, nothing
// else) is itself; anything else gives nothing.
std::optional<int> ReadAdviceScore(std::string_view editText);

// Converts the texts of the ten score edits, in factor order, by
// ReadAdviceScore. Throws std::runtime_error "'<text>' is not a valid integer
// value" for the first text that is not a score.
AdviceScores ReadAdviceScores(const ScoreEditTexts& editTexts);
// The same for edits of one character each, as the risk model's cells hold
// them, without making a text of each.
AdviceScores ReadAdviceScores(const std::array<char, InmBearb::RiskModel::kFactorCount>& cells);

// Keys of advice fragments ("1.4", "2.1", ... "9.1") in the order
// AssembleAdvice joins them; at most one per advice block.
class AdviceKeyList {
public:
    static constexpr std::size_t kCapacity = 9;

    void Append(std::string_view key) { keys_[size_++] = key; }
    std::size_t size() const { return size_; }
    std::string_view operator[](std::size_t i) const { return keys_[i]; }
    const std::string_view* begin() const { return keys_.data(); }
    const std::string_view* end() const { return keys_.data() + size_; }

private:
    std::array<std::string_view, kCapacity> keys_{};
    std::size_t size_ = 0;
};

// The keys of the fragments the advice for the scores and the chance is made
// of, in the order AssembleAdvice joins them.
AdviceKeyList AdviceKeys(const AdviceScores& scores, double chancePercent);

// The complete advice for the scores and the chance.
QStringList AssembleAdvice(const AdviceScores& scores, double chancePercent,
                           const FragmentHolders& holders);

// Converts the edit texts and replaces the advice window's lines with the
// advice. When a text cannot be converted it throws before anything is
// changed, so the window keeps its previous advice.
void BuildAdvice(const ScoreEditTexts& editTexts, double chancePercent,
                 const FragmentHolders& holders, TAdvice& advice);
