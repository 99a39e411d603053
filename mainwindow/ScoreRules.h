#pragma once

// What a score edit's text means and what the spin arrows make of it. Each
// edit holds one character; the blank " " means the factor is not entered.

#include "model/RiskModel.h"

#include <QString>

namespace ScoreRules {

// The text of an empty score edit: the model's blank cell.
inline const QString kBlank = QString(QLatin1Char(InmBearb::RiskModel::kBlank));

enum class Verdict {
    Blank,      // not entered: hand the blank to the model
    Accepted,   // a whole number from 0 to the row's maximum
    NotNumeric, // "Not a numerical value"
    OutOfRange, // "Value out of range"
};

// Judges an edit's text against the row's maximum.
Verdict Check(const QString& text, int maximum);

// Whether the entry check refuses the text: it is reported and never reaches
// the model.
inline bool Rejected(Verdict verdict) {
    return verdict == Verdict::NotNumeric || verdict == Verdict::OutOfRange;
}

// The message shown for a rejected text; empty for Blank and Accepted.
QString Message(Verdict verdict);

// Up arrow: blank -> "0", below the maximum -> one more, at or above the
// maximum unchanged, anything unreadable -> blank.
QString StepUp(const QString& text, int maximum);

// Down arrow: above 0 -> one less, anything else (0, blank, unreadable) ->
// blank.
QString StepDown(const QString& text);

// The whole text as a decimal integer, with an optional sign; false for
// anything else, including surrounding blanks, an empty text or a number
// beyond the range of int.
bool ParseDecimal(const QString& text, int& value);

} // namespace ScoreRules
