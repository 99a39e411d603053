#pragma once

// One spreadsheet row judged as the main window judges what is typed into it:
// each factor cell by the window's entry check, the two selectors by their
// items, then the risk model and the advice selection on what passed. A row
// the window would show no chart for gets no percentages.

#include "advice/AdviceSelection.h"
#include "batch/Columns.h"
#include "model/SectorComputation.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Batch {

enum class RowStatus {
    Assessed,       // percentages, band and advice
    TooManyBlank,   // more than three factors blank: no chart
    SelectorNotSet, // a selector cell empty: no chart
    Error,          // a cell the window would refuse
    Empty,          // every cell empty: a spacer line, not a patient
};

struct CellError {
    int column = -1; // the cell's column, -1 for the row as a whole
    QString message; // the window's message where it has one
};

struct RowOutcome {
    RowStatus status = RowStatus::Error;
    std::vector<CellError> errors;
    // The scores as a score edit would hold them: one digit, or the blank.
    std::array<char, kFactorCount> scores{};
    std::uint8_t countryArea = 0;
    std::uint8_t group = 0;
    // Set only for an assessed row.
    InmBearb::SectorShares shares;
    ChanceBand band = ChanceBand::Band0020;
    AdviceKeyList adviceKeys;
};

class RowJudge {
public:
    explicit RowJudge(Columns columns);

    RowOutcome Judge(const std::vector<std::string>& cells) const;

    // The advice scores of an assessed row, as the advice command reads the
    // score edits.
    static AdviceScores ScoresOf(const RowOutcome& outcome);
    // The texts of the ten score edits.
    static ScoreEditTexts ScoreTextsOf(const RowOutcome& outcome);

private:
    struct ScoreVerdict {
        bool accepted = false; // a digit in range, or the blank
        char score = ' ';      // the score edit's one character
        QString message;       // the window's message for a refused cell
    };
    ScoreVerdict JudgeScore(const std::string& cell, int factor) const;

    // A selector cell spelt exactly as an item text or code: its code.
    int ExactSelectorCode(const std::string& cell) const;

    Columns columns_;
    // The verdict for every one-character cell, by factor: nearly every cell
    // of a real spreadsheet is one of these.
    std::array<std::array<ScoreVerdict, 256>, kFactorCount> single_;
    std::array<ScoreVerdict, kFactorCount> empty_; // and for an empty cell
    // The item texts and codes as UTF-8, by selection code less one.
    std::vector<std::string> itemTexts_;
    std::vector<std::string> itemCodes_;
};

// The selector code a cell names: an item text ("Standard set", "Low risk",
// "High risk", any case, blanks around) or its code 1 to 3; 0 for an empty
// cell; -1 for anything else.
int SelectorCode(const std::string& cell);

// "0-20", "21-40", "41-60", "61-80" or "81-100".
QString BandText(ChanceBand band);

} // namespace Batch
