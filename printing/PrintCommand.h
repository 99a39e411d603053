#pragma once

// The Print command: gathers what the printouts need, brings the advice up to
// date, asks the options dialog what to print and how, and sends the chart
// report and the advice page to the printer as two separate jobs.

#include "model/SectorComputation.h"
#include "notes/NotesStore.h"
#include "printing/ReportData.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class TPrintDlg;

namespace Printing {

class PrintService;

// Everything the command reads from the main window, taken as it stands when
// the command starts.
struct PrintCommandInput {
    // Texts of the ten score boxes in factor order: a digit, or " ".
    std::array<QString, kFactorCount> scoreTexts;
    QString countryAreaText;
    QString groupText;
    // The five sector percentages of the chart on screen.
    InmBearb::SectorShares shares;
    NotesStore notes;
    // Refills the advice text for the current scores; may throw (a score box
    // that holds no number), which ends the command before the dialog.
    std::function<void()> buildAdvice;
    // The advice text's lines as they stand after buildAdvice.
    std::function<QStringList()> adviceLines;
};

// The report's data from the command's input and the printable size (colour
// mode left off).
ReportData GatherReportData(const PrintCommandInput& input, QSize printableSize);

// Runs the command: printable size first (a failure ends the command with its
// message), then the report data, the advice, the modal dialog and, after OK,
// the report job and the advice job as chosen, under the busy cursor. The
// normal cursor is back on every path. A failing job ends the command before
// the next one starts; errors go on to the caller as std::runtime_error.
void RunPrintCommand(TPrintDlg& dialog, const PrintCommandInput& input, PrintService& service);

} // namespace Printing
