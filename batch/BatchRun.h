#pragma once

// The dentiplot-batch program: reads a spreadsheet of patients, judges and
// assesses every row as the main window would, writes the results and,
// when asked, each assessed row's printouts as a PDF.

#include <QStringList>

namespace Batch {

// Exit statuses.
enum ExitStatus : int {
    EveryRowAssessed = 0,
    RowsNotAssessed = 1, // rows in error or without a chart, or a report not written
    BadArguments = 2,
    BadInput = 3, // a malformed file, or input or output that cannot be used
};

// Runs the program with its command line (program name first). Needs a
// QGuiApplication for the reports.
int RunBatch(const QStringList& arguments);

} // namespace Batch
