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
#include <thread>

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

// Processor seconds of every thread of this process so far.
double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void AssessCohort(benchmark::State& state) {
    const QString input = QString::fromStdString(Cohort(1000000));
    const QString output = Scratch().filePath(QStringLiteral("results.csv"));
    const double cpuBefore = ProcessCpuSeconds();
    for (auto _ : state) {
        RunProgram({input, QStringLiteral("-o"), output});
    }
    state.counters["rows"] = 1000000;
    // The rows are judged on every core: the CPU column counts this thread
    // only, this counter every thread, per run.
    state.counters["cpu_s_all_threads"] =
        (ProcessCpuSeconds() - cpuBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(AssessCohort)->Unit(benchmark::kMillisecond)->Iterations(2);

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
    double peak = 0;
    for (auto _ : state) {
        peak = PeakResidentMiB(rows);
    }
    state.counters["peak_MiB"] = peak;
}
void PeakResidentTenThousand(benchmark::State& state) {
    PeakResident(state, 10000);
}
void PeakResidentMillion(benchmark::State& state) {
    PeakResident(state, 1000000);
}
BENCHMARK(PeakResidentTenThousand)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PeakResidentMillion)->Unit(benchmark::kMillisecond)->Iterations(1);

Batch::ReportPage Page() {
    return {Batch::ReportLayout(QPageSize::A4), 600, false};
}

void OnePatientReport(benchmark::State& state) {
    const std::vector<std::string> header{"Caries experience",
                                          "Related diseases",
                                          "Diet, contents",
                                          "Diet, frequency",
                                          "Plaque amount",
                                          "Mutans streptococci",
                                          "Fluoride program",
                                          "Saliva secretion",
                                          "Buffer capacity",
                                          "Clin. judgement",
                                          "Country/Area",
                                          "Group",
                                          "Name",
                                          "Comments"};
    const std::vector<std::string> cells{"2",
                                         "1",
                                         "2",
                                         "2",
                                         "2",
                                         "2",
                                         "2",
                                         "1",
                                         "1",
                                         "1",
                                         "1",
                                         "1",
                                         "Jane Example",
                                         "Seen in the school clinic."};
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

// A page of `lines` lines through the same PDF canvas, in the face the
// printouts use; with `bothWeights` the second line is bold.
QByteArray LinesPage(int lines, bool bothWeights) {
    QByteArray pdf;
    Printing::PdfCanvas canvas(Page().layout, Page().resolution,
                               [&pdf](const QString&, const QByteArray& done) { pdf = done; });
    canvas.BeginDoc(QStringLiteral("One line"));
    for (int line = 0; line < lines; ++line) {
        canvas.SetFont(QStringLiteral("Times New Roman"), 10, bothWeights && line == 1);
        canvas.Text({100, 100 + 100 * line}, QStringLiteral("A single line of text."));
    }
    canvas.EndDoc();
    return pdf;
}

// Baseline: a one-line page through the same PDF canvas.
void OneLinePage(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LinesPage(1, false));
    }
}
BENCHMARK(OneLinePage)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// For the note beside the figures: a line in each of the two weights the
// report prints in, so that both faces are embedded as in every report.
void TwoWeightsPage(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LinesPage(2, true));
    }
}
BENCHMARK(TwoWeightsPage)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void WriteThousandReports() {
    const QString input = QString::fromStdString(Cohort(1000));
    const QString output = Scratch().filePath(QStringLiteral("reports.csv"));
    QTemporaryDir reports;
    RunProgram({input, QStringLiteral("-o"), output, QStringLiteral("--reports"), reports.path()});
}

void ThousandReports(benchmark::State& state) {
    for (auto _ : state) {
        WriteThousandReports();
    }
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(ThousandReports)->Unit(benchmark::kMillisecond)->Iterations(1);

// Baseline: the same run held to one core, so the reports follow each other.
void ThousandReportsOneCore(benchmark::State& state) {
    cpu_set_t all;
    sched_getaffinity(0, sizeof all, &all);
    cpu_set_t one;
    CPU_ZERO(&one);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &all)) {
            CPU_SET(cpu, &one);
            break;
        }
    }
    sched_setaffinity(0, sizeof one, &one);
    for (auto _ : state) {
        WriteThousandReports();
    }
    sched_setaffinity(0, sizeof all, &all);
}
BENCHMARK(ThousandReportsOneCore)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
