// Composing and submitting a chart report with 200 comment lines plus the
// advice page, against a one-page job holding a single line of text, both
// through the print system to a private scheduler started for the run.
// Prints both timings and their ratio.

#include "printing/AdvicePrint.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Utskrift.h"
#include "tests/sample/SampleAssessment.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace {

Printing::PrintCommandInput SampleInput() {
    Printing::PrintCommandInput input;
    SampleAssessment::EnterScores(input, "2112221121", QStringLiteral("High risk"));
    input.notes.name = QStringLiteral("Jane Example");
    input.notes.examiner = QStringLiteral("Dr. A. Examiner");
    for (int i = 1; i <= 200; ++i) {
        input.notes.lines << QStringLiteral("Comment line %1 of a long case history.").arg(i);
    }
    return input;
}

QStringList SampleAdvice() {
    QStringList lines;
    for (int i = 1; i <= 50; ++i) {
        lines << QStringLiteral("Advice line %1: measures fitted to the patient's habits.").arg(i);
    }
    return lines;
}

void ReportAndAdvice(benchmark::State& state) {
    Printing::DefaultPrinterService service;
    const Printing::PrintCommandInput input = SampleInput();
    const QStringList advice = SampleAdvice();
    for (auto _ : state) {
        const Printing::ReportData data =
            Printing::GatherReportData(input, service.PrintableSize());
        Printing::PrintReport(*service.OpenJob(), data);
        Printing::PrintAdvice(*service.OpenJob(), input.notes.name, input.notes.identNo,
                              input.notes.date, input.notes.examiner, advice);
    }
}
BENCHMARK(ReportAndAdvice)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Baseline: the smallest useful job, one page with one line of text.
void OneLineJob(benchmark::State& state) {
    Printing::DefaultPrinterService service;
    for (auto _ : state) {
        const std::unique_ptr<Printing::PageCanvas> job = service.OpenJob();
        job->BeginDoc(QStringLiteral("One line"));
        job->SetFont(QStringLiteral("Times New Roman"), 10, false);
        job->Text({100, 100}, QStringLiteral("A single line of text."));
        job->EndDoc();
    }
}
BENCHMARK(OneLineJob)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each benchmark's mean real time per iteration, for the ratio.
class CollectingReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                meanMs[run.run_name.function_name] =
                    run.GetAdjustedRealTime() *
                    (run.time_unit == benchmark::kMillisecond ? 1.0 : 1e-6);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> meanMs;
};

// Starts the private scheduler and points this process at it. Returns the
// state file to stop it with, or an empty string when it could not start.
QString StartScheduler(const QTemporaryDir& folder) {
    const QString state = folder.filePath(QStringLiteral("cupsd.state"));
    const QString scripts = QStringLiteral(DENTIPLOT_CUPS_SCRIPTS);
    if (QProcess::execute(QStringLiteral("sh"), {scripts + "/start-cupsd.sh", state}) != 0) {
        return {};
    }
    QFile file(state);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    static const QRegularExpression assignment(QStringLiteral("^(\\w+)='(.*)'$"));
    bool running = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const auto match = assignment.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        const QString name = match.captured(1);
        if (name == "CUPS_SERVER" || name == "CUPS_SERVERROOT" || name == "CUPS_STATEDIR") {
            qputenv(name.toLatin1().constData(), match.captured(2).toLocal8Bit());
            running = running || name == "CUPS_SERVER";
        }
    }
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    return running ? state : QString();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir folder;
    const QString state = StartScheduler(folder);
    if (state.isEmpty()) {
        std::fprintf(stderr, "bench_printing: no private print scheduler (root needed)\n");
        return 0;
    }
    int status = 0;
    {
        QApplication app(argc, argv);
        benchmark::Initialize(&argc, argv);
        CollectingReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        const double report = reporter.meanMs["ReportAndAdvice"];
        const double baseline = reporter.meanMs["OneLineJob"];
        if (report > 0 && baseline > 0) {
            std::printf("report (200 comment lines) + advice: %.2f ms, one-line job: %.2f ms, "
                        "ratio %.2f\n",
                        report, baseline, report / baseline);
        } else {
            status = 1;
        }
        benchmark::Shutdown();
    }
    QProcess::execute(QStringLiteral("sh"),
                      {QStringLiteral(DENTIPLOT_CUPS_SCRIPTS) + "/stop-cupsd.sh", state});
    return status;
}
