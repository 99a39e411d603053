#include "printing/PrintCommand.h"

#include "printing/AdvicePrint.h"
#include "printing/PageScale.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "printing/Utskrift.h"

#include <QApplication>

namespace Printing {

namespace {

// The busy cursor for as long as the jobs are drawn and sent, taken away
// again however the command ends.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

ReportData GatherReportData(const PrintCommandInput& input, QSize printableSize) {
    ReportData data;
    const PageScale scale = PageScale::ForPrintableSize(printableSize);
    data.sx = scale.sx;
    data.sy = scale.sy;
    data.countryAreaText = input.countryAreaText;
    data.groupText = input.groupText;
    data.scoreTexts = input.scoreTexts;
    data.percentages[ChanceSector] = input.shares.Chance;
    data.percentages[DietSector] = input.shares.Diet;
    data.percentages[BacteriaSector] = input.shares.Bacteria;
    data.percentages[SusceptibilitySector] = input.shares.Susceptibility;
    data.percentages[CircumstancesSector] = input.shares.Circumstances;
    data.percentTexts = PercentTexts(data.percentages);
    data.name = input.notes.name;
    data.identNo = input.notes.identNo;
    data.date = input.notes.date;
    data.examiner = input.notes.examiner;
    data.commentLines = input.notes.lines;
    return data;
}

void RunPrintCommand(TPrintDlg& dialog, const PrintCommandInput& input, PrintService& service) {
    // Without a usable printer the command ends here: no dialog, the advice
    // untouched.
    ReportData data = GatherReportData(input, service.PrintableSize());
    if (input.buildAdvice) {
        input.buildAdvice();
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const BusyCursor busy;
    if (dialog.PrintReportChosen()) {
        data.colourMode = dialog.ColourChosen();
        const std::unique_ptr<PageCanvas> job = service.OpenJob();
        PrintReport(*job, data);
    }
    if (dialog.PrintAdviceChosen()) {
        const QStringList lines = input.adviceLines ? input.adviceLines() : QStringList();
        const std::unique_ptr<PageCanvas> job = service.OpenJob();
        PrintAdvice(*job, input.notes.name, input.notes.identNo, input.notes.date,
                    input.notes.examiner, lines);
    }
}

} // namespace Printing
