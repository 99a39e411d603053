// The printouts and dentiplot-batch, each beside its baseline in the same run:
// - a chart report with 200 comment lines plus the advice page, composed and
//   submitted, against a one-page job holding a single line, both to the
//   private print scheduler that scripts/bench.sh starts (root only);
// - the program assessing a generated cohort of 1,000,000 rows (results CSV
//   only) against reading and splitting the same file with the same reader;
// - the program's peak resident size at 1,000,000 rows against 10,000 rows
//   (the file is streamed, so it should stay flat);
// - one patient's report PDF against a one-line page through the same PDF path
//   and, for the note beside the figures, a page with a line in each weight;
// - 1,000 reports on every core against the same reports held to one core.

#include "batch/CsvReader.h"
#include "batch/Reports.h"
#include "printing/AdvicePrint.h"
#include "printing/PdfCanvas.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Utskrift.h"
#include "resources/Fonts.h"
#include "tests/sample/SampleAssessment.h"

#include <QRect>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace {

// The sample patient with `comments` comment lines.
Printing::PrintCommandInput Patient(int comments) {
    Printing::PrintCommandInput input;
    SampleAssessment::EnterScores(input, "2112221121", QStringLiteral("High risk"));
    input.notes.name = QStringLiteral("Jane Example");
    input.notes.lines = QStringList(comments, QStringLiteral("A comment of a long case history."));
    return input;
}
const QStringList kAdvice(50, QStringLiteral("Advice: measures fitted to the patient's habits."));

// The one-line page the printouts are measured against, or one line in each
// weight, so that both faces are embedded as in every report.
void OneLine(Printing::PageCanvas& canvas, bool bothWeights = false) {
    canvas.BeginDoc(QStringLiteral("One line"));
    for (int line = 0; line < (bothWeights ? 2 : 1); ++line) {
        canvas.SetFont(Fonts::kSerifFace, 10, line == 1);
        canvas.Text({100, 100 + 100 * line}, QStringLiteral("A single line of text."));
    }
    canvas.EndDoc();
}

void PrintJobs(benchmark::State& state, bool report) {
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER")) {
        state.SkipWithError("needs the private print scheduler (scripts/bench.sh as root)");
        return;
    }
    const Printing::PrintCommandInput input = Patient(200);
    Printing::DefaultPrinterService service;
    for (auto _ : state) {
        if (!report) {
            OneLine(*service.OpenJob());
            continue;
        }
        Printing::PrintReport(*service.OpenJob(),
                              Printing::GatherReportData(input, service.PrintableSize()));
        Printing::PrintAdvice(*service.OpenJob(), input.notes.name, input.notes.identNo,
                              input.notes.date, input.notes.examiner, kAdvice);
    }
}
BENCHMARK_CAPTURE(PrintJobs, ReportAndAdvice, true)->MinTime(2.0);
BENCHMARK_CAPTURE(PrintJobs, OneLineJob, false)->MinTime(2.0);

// One patient's report as the batch writes it (30 advice lines), or one line
// (`lines` 1) or one in each weight (2) through the same PDF canvas.
void PdfPage(benchmark::State& state, int lines) {
    const Batch::ReportPage page{Batch::ReportLayout(QPageSize::A4), 600, false};
    const Printing::ReportData data =
        Printing::GatherReportData(Patient(1), page.layout.paintRectPixels(page.resolution).size());
    for (auto _ : state) {
        if (lines == 0) {
            benchmark::DoNotOptimize(Batch::RenderReport(data, kAdvice.mid(0, 30), page));
            continue;
        }
        Printing::PdfCanvas canvas(page.layout, page.resolution,
                                   [](const QString&, const QByteArray& pdf) {
                                       benchmark::DoNotOptimize(pdf.constData());
                                   });
        OneLine(canvas, lines == 2);
    }
}
BENCHMARK_CAPTURE(PdfPage, OnePatientReport, 0)->MinTime(2.0);
BENCHMARK_CAPTURE(PdfPage, OneLine, 1)->MinTime(2.0);
BENCHMARK_CAPTURE(PdfPage, TwoWeights, 2)->MinTime(2.0);

const QTemporaryDir kScratch;

// A cohort of `rows` patients with varied scores, a few blanks and notes.
std::string Cohort(int rows) {
    std::string path = kScratch.filePath(QStringLiteral("cohort-%1.csv").arg(rows)).toStdString();
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
            const unsigned draw = random() % 20; // one cell in twenty is blank
            out << ','
                << (draw == 0 ? "" : std::to_string(draw % (factor == 1 || factor == 8 ? 3 : 4)));
        }
        out << ",Standard set," << groups[random() % 3] << ",School " << row % 50 << '\n';
    }
    return path;
}

// dentiplot-batch run as a child on a cohort of `rows` (some rows have too
// many blanks, so exit status 1 is expected), writing the results and, when
// asked, every assessed row's report, on every core or held to the first one.
// Its peak resident size is a counter, taken by GNU time: a child spawned from
// here would start its high-water mark at this program's own size.
void RunCohort(benchmark::State& state, int rows, bool reports, bool oneCore) {
    const std::string input = Cohort(rows);
    for (auto _ : state) {
        const QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        const std::string output = folder + "/results.csv";
        const std::string peak = folder + "/peak";
        std::vector<const char*> argv{DENTIPLOT_BATCH_PROGRAM, input.c_str(), "-o", output.c_str()};
        if (reports) {
            argv.insert(argv.end(), {"--reports", folder.c_str()});
        }
        argv.insert(argv.begin(), {"time", "-q", "-f", "%M", "-o", peak.c_str()});
        if (oneCore) {
            argv.insert(argv.begin(), {"taskset", "-c", "0"});
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        int status = 0;
        if (posix_spawnp(&child, argv[0], nullptr, nullptr, const_cast<char**>(argv.data()),
                         environ) != 0 ||
            waitpid(child, &status, 0) < 0 || WEXITSTATUS(status) > 1) {
            state.SkipWithError("dentiplot-batch failed");
        }
        double kibibytes = 0;
        std::ifstream(peak) >> kibibytes;
        state.counters["peak_MiB"] = kibibytes / 1024.0;
    }
}
BENCHMARK_CAPTURE(RunCohort, Million, 1000000, false, false)->Iterations(2);
BENCHMARK_CAPTURE(RunCohort, TenThousand, 10000, false, false)->Iterations(1);
BENCHMARK_CAPTURE(RunCohort, ThousandReportsAllCores, 1000, true, false)->Iterations(1);
BENCHMARK_CAPTURE(RunCohort, ThousandReportsOneCore, 1000, true, true)->Iterations(1);

// The million rows' file read and split into cells by the program's reader.
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
BENCHMARK(SplitCohort)->Iterations(2);

} // namespace
