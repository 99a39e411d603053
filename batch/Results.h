#pragma once

// The cells the results add after the input's own columns: the status, the
// five percentages with two decimals (chance, diet, bacteria, susceptibility,
// circumstances), the chance rounded as the printout rounds it, the chance
// band and the keys of the advice fragments; optionally the advice text.

#include "batch/RowJudgement.h"

#include <QStringList>

namespace Batch {

class CsvWriter;

QStringList ResultHeaders(bool withAdvice);

// "assessed", "more than three factors blank", "selector not set",
// "empty row", or "error: " and each refused cell with the window's message.
QString StatusText(const RowOutcome& outcome, const Columns& columns);

// Each refused cell as "<column>: <message>".
QStringList ErrorTexts(const RowOutcome& outcome, const Columns& columns);

// `advice` is the advice text of an assessed row when the results carry it,
// nullptr otherwise.
void WriteResultCells(CsvWriter& writer, const RowOutcome& outcome, const Columns& columns,
                      const QStringList* advice);

} // namespace Batch
