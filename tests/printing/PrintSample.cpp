// Prints a sample assessment on the default printer: the chart report in
// colour, the same report in black and white, and the advice page, as three
// jobs in that order. Used by scripts/print-sample.sh against the private
// scheduler to picture the printouts.

#include "advice/AdviceSelection.h"
#include "model/InmBearb.h"
#include "printing/AdvicePrint.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Utskrift.h"
#include "tests/sample/SampleAssessment.h"

#include <QApplication>
#include <cstdio>
#include <stdexcept>

using namespace Printing;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    PrintCommandInput input;
    SampleAssessment::EnterScores(input, "2112221121", QStringLiteral("Standard set"));
    input.notes = {"Jane Example", "19700101-0000", "2026-12-06", "Dr. A. Examiner", {}};
    input.notes.lines = {"Two new approximal lesions since the last visit.",
                         "Frequent intake of sweetened drinks between meals.", "",
                         "Recall in six months."};

    try {
        DefaultPrinterService service;
        ReportData data = GatherReportData(input, service.PrintableSize());
        for (const bool colour : {true, false}) {
            data.colourMode = colour;
            PrintReport(*service.OpenJob(), data);
        }
        PrintAdvice(*service.OpenJob(), input.notes.name, input.notes.identNo, input.notes.date,
                    input.notes.examiner,
                    AssembleAdvice(ReadAdviceScores(input.scoreTexts), InmBearb::ChancePercent(),
                                   SharedFragmentHolders()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "print_sample: %s\n", error.what());
        return 1;
    }
    return 0;
}
