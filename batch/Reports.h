#pragma once

// The printouts of one assessed row as a single PDF: the chart report's pages
// followed by the interpretation page, composed exactly as the Print command
// composes its two jobs, on a page of the chosen paper and resolution.

#include "batch/RowJudgement.h"
#include "printing/ReportData.h"

#include <QByteArray>
#include <QPageLayout>
#include <QStringList>
#include <string>
#include <vector>

namespace Batch {

// The page the reports are drawn on.
struct ReportPage {
    QPageLayout layout; // paper and printable area
    int resolution = 600;
    bool colour = false;
};

// The paper with the reports' margins: 5 mm on every side.
QPageLayout ReportLayout(QPageSize::PageSizeId paper);

// What the chart report prints for an assessed row, as the Print command
// gathers it from the window: the scores as the score edits would hold them,
// the selectors' item texts, the percentages, the notes cells (comment lines
// split at the line breaks in the cell) and the page's scale.
Printing::ReportData ReportDataFor(const RowOutcome& outcome, const Columns& columns,
                                   const std::vector<std::string>& cells, const ReportPage& page);

// One PDF: the chart report, then the advice page with `adviceLines`.
QByteArray RenderReport(const Printing::ReportData& data, const QStringList& adviceLines,
                        const ReportPage& page);

// File names (without folder) for the reports of rows whose Ident.No. cells
// are `identNos` and whose spreadsheet rows are `rows` (the header being row
// 1): "<Ident.No.>.pdf" where the Ident.No. is present and no other row's
// gives the same name, "row-<row>.pdf" otherwise. Characters a file name
// cannot hold become "_".
std::vector<std::string> ReportFileNames(const std::vector<std::string>& identNos,
                                         const std::vector<long long>& rows);

} // namespace Batch
