#pragma once

// The chart report: one print job whose first page carries the title, the
// patient identification, the selector settings, the chart with its legend and
// labels, the factor table and the first comment lines; longer comments go on
// continuation pages. Every position is given in page units and converted
// with the report's scale factors.

#include "printing/PageCanvas.h"
#include "printing/ReportData.h"

namespace Printing {

// Prints the whole report as one document. Whatever fails while the pages are
// drawn, the document is ended before the error goes on to the caller.
void PrintReport(PageCanvas& canvas, const ReportData& data);

// The steps of the report, each drawing on the current page.
void DrawTitle(PageCanvas& canvas, const ReportData& data);
void DrawLegend(PageCanvas& canvas, const ReportData& data);
void DrawSelectors(PageCanvas& canvas, const ReportData& data);
void DrawPie(PageCanvas& canvas, const ReportData& data);
void DrawPieLabels(PageCanvas& canvas, const ReportData& data);
void DrawFactorTable(PageCanvas& canvas, const ReportData& data);
void DrawIdentification(PageCanvas& canvas, const ReportData& data);
// May add continuation pages.
void DrawComments(PageCanvas& canvas, const ReportData& data);

} // namespace Printing
