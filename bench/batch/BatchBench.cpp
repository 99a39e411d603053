// dentiplot-batch, each figure beside its baseline in the same run:
// - assessing a generated cohort of 1,000,000 rows (results CSV only) against
//   reading and splitting the same file with the same parser;
// - peak resident size of the program at 1,000,000 rows against 10,000 rows
//   (the file is streamed, so it should stay flat);
// - one patient's report PDF against a one-line page through the same PDF path
//   (and, for reference, a page with a line in each weight the report uses);
// - 1,000 reports on every core against the same reports one after the other.

#include "batch/BatchRun.h"
#include "batch/Columns.h"
#include "batch/CsvReader.h"
#include "batch/Reports.h"
#include "batch/RowJudgement.h"
#include "printing/PdfCanvas.h"
#include "resources/Fonts.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <random>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

QTemporaryDir& Scratch() {
    static QTemporaryDir dir;
    return dir;
}

// A cohort of `rows` patients with varied scores, a few blanks and notes.
std::string Cohort(int rows) {
    const std::string path =
        Scratch().filePath(QStringLiteral("cohort-%1.csv").arg(rows)).toStdString();
    if (std::ifstream(path).good()) {
        return path;
    }
    std::ofstream out(path, std::ios::binary);
    out << "Ident.No.,Name,Caries experience,Related diseases,\"Diet, contents\",\"Diet, "
           "frequency\",Plaque amount,Mutans streptococci,Fluoride program,Saliva secretion,"
           "Buffer capacity,Clin. judgement,Country/Area,Group,School\n";
    std::mt19937 random(13);
    const char* groups[] = {"Standard set", "Low risk", "High risk"};
    for (int row = 0; row < rows; ++row) {
        out << "S-" << row << ",Pupil " << row;
        for (int factor = 0; factor < 10; ++factor) {
            const int maximum = factor == 1 || factor == 8 ? 2 : 3;
            const unsigned draw = random() % 20;
            out << ',';
            if (draw != 0) { // one cell in twenty is blank
                out << draw % (maximum + 1);
            }
        }
        out << ",Standard set," << groups[random() % 3] << ",School " << row % 50 << '\n';
    }
    return path;
}

int RunProgram(const QStringList& arguments) {
    return Batch::RunBatch(QStringList{QStringLiteral("dentiplot-batch")} + arguments);
}

void AssessCohort(benchmark::State& state) {
    const QString input = QString::fromStdString(Cohort(1000000));
    const QString output = Scratch().filePath(QStringLiteral("results.csv"));
    for (auto _ : state) {
        RunProgram({input, QStringLiteral("-o"), output});
    }
}
// The rows are judged on every core: the CPU column counts every thread.
BENCHMARK(AssessCohort)->Unit(benchmark::kMillisecond)->Iterations(2)->MeasureProcessCPUTime();

// Baseline: the same file read and split into cells by the same reader.
void SplitCohort(benchmark::State& state) {
    const std::string input = Cohort(1000000);
    for (auto _ : state) {
        std::FILE* file = std::fopen(input.c_str(), "rb");
        Batch::CsvReader reader(file);
        Batch::CsvRecord record;
        std::size_t cells = 0;
        while (reader.Next(record)) {
            cells += record.cells.size();
        }
        benchmark::DoNotOptimize(cells);
        std::fclose(file);
    }
}
BENCHMARK(SplitCohort)->Unit(benchmark::kMillisecond)->Iterations(2);

// Peak resident size of the program itself, run as a child on `rows` rows.
double PeakResidentMiB(int rows) {
    const std::string input = Cohort(rows);
    const std::string output = Scratch().filePath(QStringLiteral("peak.csv")).toStdString();
    const char* argv[] = {DENTIPLOT_BATCH_PROGRAM, input.c_str(), "-o", output.c_str(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void PeakResident(benchmark::State& state, int rows) {
    for (auto _ : state) {
        state.counters["peak_MiB"] = PeakResidentMiB(rows);
    }
}
BENCHMARK_CAPTURE(PeakResident, TenThousand, 10000)->Iterations(1);
BENCHMARK_CAPTURE(PeakResident, Million, 1000000)->Iterations(1);

Batch::ReportPage Page() {
    return {Batch::ReportLayout(QPageSize::A4), 600, false};
}

// Cells given as one text, separated by '|'.
std::vector<std::string> Cells(const QString& text) {
    std::vector<std::string> cells;
    for (const QString& cell : text.split(QLatin1Char('|'))) {
        cells.push_back(cell.toStdString());
    }
    return cells;
}

void OnePatientReport(benchmark::State& state) {
    const std::vector<std::string> header = Cells(QStringLiteral(
        "Caries experience|Related diseases|Diet, contents|Diet, frequency|Plaque amount|"
        "Mutans streptococci|Fluoride program|Saliva secretion|Buffer capacity|Clin. judgement|"
        "Country/Area|Group|Name|Comments"));
    const std::vector<std::string> cells =
        Cells(QStringLiteral("2|1|2|2|2|2|2|1|1|1|1|1|Jane Example|Seen in the school clinic."));
    const Batch::Columns columns = Batch::MatchColumns(header);
    const Batch::RowOutcome outcome = Batch::RowJudge(columns).Judge(cells);
    const Printing::ReportData data = Batch::ReportDataFor(outcome, columns, cells, Page());
    QStringList advice;
    for (int i = 0; i < 30; ++i) {
        advice << QStringLiteral("Advice line %1 with measures fitted to the patient.").arg(i);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Batch::RenderReport(data, advice, Page()));
    }
}
BENCHMARK(OnePatientReport)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Baselines: a one-line page through the same PDF canvas, in the face the
// printouts use; and, for the note beside the figures, a second line in bold,
// so that both faces are embedded as in every report.
void LinesPage(benchmark::State& state, bool bothWeights) {
    for (auto _ : state) {
        Printing::PdfCanvas canvas(Page().layout, Page().resolution,
                                   [](const QString&, const QByteArray& pdf) {
                                       benchmark::DoNotOptimize(pdf.constData());
                                   });
        canvas.BeginDoc(QStringLiteral("One line"));
        for (int line = 0; line < (bothWeights ? 2 : 1); ++line) {
            canvas.SetFont(Fonts::kSerifFace, 10, line == 1);
            canvas.Text({100, 100 + 100 * line}, QStringLiteral("A single line of text."));
        }
        canvas.EndDoc();
    }
}
BENCHMARK_CAPTURE(LinesPage, OneLine, false)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(LinesPage, TwoWeights, true)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// 1,000 reports on every core, and as baseline the same run held to one core.
void ThousandReports(benchmark::State& state, bool oneCore) {
    const QString input = QString::fromStdString(Cohort(1000));
    const QString output = Scratch().filePath(QStringLiteral("reports.csv"));
    cpu_set_t all;
    sched_getaffinity(0, sizeof all, &all);
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu(), &one);
    sched_setaffinity(0, sizeof(cpu_set_t), oneCore ? &one : &all);
    for (auto _ : state) {
        QTemporaryDir reports;
        RunProgram(
            {input, QStringLiteral("-o"), output, QStringLiteral("--reports"), reports.path()});
    }
    sched_setaffinity(0, sizeof all, &all);
}
BENCHMARK_CAPTURE(ThousandReports, AllCores, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(ThousandReports, OneCore, true)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
