// A chart report with 200 comment lines plus the advice page, composed and
// submitted, against a one-page job holding a single line of text, both to a
// private print scheduler started for the run by the printing tests' scripts.

#include "printing/AdvicePrint.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Utskrift.h"
#include "resources/Fonts.h"
#include "tests/sample/SampleAssessment.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <vector>

namespace {

void ReportAndAdvice(benchmark::State& state) {
    Printing::PrintCommandInput input;
    SampleAssessment::EnterScores(input, "2112221121", QStringLiteral("High risk"));
    input.notes.name = QStringLiteral("Jane Example");
    input.notes.examiner = QStringLiteral("Dr. A. Examiner");
    for (int i = 1; i <= 200; ++i) {
        input.notes.lines << QStringLiteral("Comment line %1 of a long case history.").arg(i);
    }
    QStringList advice;
    for (int i = 1; i <= 50; ++i) {
        advice << QStringLiteral("Advice line %1: measures fitted to the patient's habits.").arg(i);
    }
    Printing::DefaultPrinterService service;
    for (auto _ : state) {
        Printing::PrintReport(*service.OpenJob(),
                              Printing::GatherReportData(input, service.PrintableSize()));
        Printing::PrintAdvice(*service.OpenJob(), input.notes.name, input.notes.identNo,
                              input.notes.date, input.notes.examiner, advice);
    }
}
BENCHMARK(ReportAndAdvice)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void OneLineJob(benchmark::State& state) {
    Printing::DefaultPrinterService service;
    for (auto _ : state) {
        const std::unique_ptr<Printing::PageCanvas> job = service.OpenJob();
        job->BeginDoc(QStringLiteral("One line"));
        job->SetFont(Fonts::kSerifFace, 10, false);
        job->Text({100, 100}, QStringLiteral("A single line of text."));
        job->EndDoc();
    }
}
BENCHMARK(OneLineJob)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Runs this program again with the scheduler started, pointed at it and
// stopped afterwards, as scripts/print-sample.sh does.
constexpr const char* UnderScheduler = R"(
state=$(mktemp); trap 'sh "$0/stop-cupsd.sh" "$state"' EXIT
sh "$0/start-cupsd.sh" "$state" >&2 && . "$state" || exit 1
if [ -n "${SKIP_REASON:-}" ]; then echo "bench_printing: $SKIP_REASON" >&2; exit 0; fi
export CUPS_SERVER CUPS_SERVERROOT CUPS_STATEDIR DENTIPLOT_BENCH_CUPS=1
unset LPDEST PRINTER
"$@"; exit $?)";

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DENTIPLOT_BENCH_CUPS")) {
        std::vector<char*> shell{const_cast<char*>("sh"), const_cast<char*>("-c"),
                                 const_cast<char*>(UnderScheduler),
                                 const_cast<char*>(DENTIPLOT_CUPS_SCRIPTS)};
        shell.insert(shell.end(), argv, argv + argc + 1); // with the closing null
        execv("/bin/sh", shell.data());
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
