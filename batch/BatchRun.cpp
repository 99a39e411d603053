#include "batch/BatchRun.h"

#include "advice/AdviceSelection.h"
#include "batch/AtomicFile.h"
#include "batch/Columns.h"
#include "batch/CsvReader.h"
#include "batch/CsvWriter.h"
#include "batch/OrderedWork.h"
#include "batch/Progress.h"
#include "batch/Reports.h"
#include "batch/Results.h"
#include "batch/RowJudgement.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace Batch {

namespace {

struct Options {
    QString input;
    QString output; // empty: standard output
    bool advice = false;
    std::optional<char> delimiter;
    QString reportsDir; // empty: no reports
    ReportPage page;
    bool force = false;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QString Description() {
    return QStringLiteral(
               "Assesses every patient of a spreadsheet (CSV) with the rules of the Dentiplot "
               "window and writes the results as CSV.\n\n"
               "The header row names the columns, in any order, in any case:\n  ") +
           KnownColumns().mid(0, 12).join(QStringLiteral("\n  ")) +
           QStringLiteral("\nand optionally\n  ") +
           KnownColumns().mid(12).join(QStringLiteral("\n  ")) +
           QStringLiteral(
               "\nA factor cell holds a score or nothing; Country/Area and Group hold Standard "
               "set, Low risk, High risk or 1 to 3. Other columns are carried through.\n\n"
               "Exit status: 0 every row assessed, 1 rows in error or without percentages, "
               "2 bad arguments, 3 a malformed or unreadable file.");
}

Options ParseArguments(const QStringList& arguments, bool& done) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    parser.addPositionalArgument(QStringLiteral("input"),
                                 QStringLiteral("The CSV file, or - for standard input."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write the results to <file> instead of "
                                                   "standard output."),
                                    QStringLiteral("file"));
    const QCommandLineOption advice(QStringLiteral("advice"),
                                    QStringLiteral("Add the advice text as one more cell."));
    const QCommandLineOption delimiter(QStringLiteral("delimiter"),
                                       QStringLiteral("Delimiter of the results: , ; or tab "
                                                      "(default: the input's)."),
                                       QStringLiteral("char"));
    const QCommandLineOption reports(QStringLiteral("reports"),
                                     QStringLiteral("Write each assessed row's chart report and "
                                                    "interpretation page as one PDF into <dir>."),
                                     QStringLiteral("dir"));
    const QCommandLineOption colour({QStringLiteral("colour"), QStringLiteral("color")},
                                    QStringLiteral("Reports in colour (default: black and "
                                                   "white)."));
    const QCommandLineOption paper(QStringLiteral("paper"),
                                   QStringLiteral("Paper of the reports: a4 or letter (default "
                                                  "a4); 5 mm margins."),
                                   QStringLiteral("paper"), QStringLiteral("a4"));
    const QCommandLineOption resolution(QStringLiteral("resolution"),
                                        QStringLiteral("Device resolution of the reports in dots "
                                                       "per inch (default 600); pen widths are "
                                                       "device pixels."),
                                        QStringLiteral("dpi"), QStringLiteral("600"));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Replace reports that exist already."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and stop."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and stop."));
    parser.addOptions(
        {output, advice, delimiter, reports, colour, paper, resolution, force, help, version});
    if (!parser.parse(arguments)) {
        throw UsageError(parser.errorText().toStdString());
    }
    done = true;
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        std::fputs("\n", stdout);
        return {};
    }
    if (parser.isSet(version)) {
        std::printf("dentiplot-batch %s\n", DENTIPLOT_VERSION);
        return {};
    }
    done = false;

    Options options;
    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() != 1) {
        throw UsageError("name one input file, or - for standard input");
    }
    options.input = inputs.front();
    options.output = parser.value(output);
    options.advice = parser.isSet(advice);
    if (parser.isSet(delimiter)) {
        const QString text = parser.value(delimiter);
        if (text == QStringLiteral(",") || text == QStringLiteral(";")) {
            options.delimiter = text.front().toLatin1();
        } else if (text == QStringLiteral("tab") || text == QStringLiteral("\t")) {
            options.delimiter = '\t';
        } else {
            throw UsageError("--delimiter takes , ; or tab");
        }
    }
    options.reportsDir = parser.value(reports);
    options.page.colour = parser.isSet(colour);
    const QString paperName = parser.value(paper).toLower();
    if (paperName != QStringLiteral("a4") && paperName != QStringLiteral("letter")) {
        throw UsageError("--paper takes a4 or letter");
    }
    options.page.layout =
        ReportLayout(paperName == QStringLiteral("a4") ? QPageSize::A4 : QPageSize::Letter);
    bool number = false;
    options.page.resolution = parser.value(resolution).toInt(&number);
    if (!number || options.page.resolution < 72 || options.page.resolution > 2400) {
        throw UsageError("--resolution takes a whole number of dots per inch, 72 to 2400");
    }
    options.force = parser.isSet(force);
    return options;
}

// An assessed row whose printouts are to be written.
struct ReportJob {
    Printing::ReportData data;
    QStringList advice;
    std::string identNo;
    long long row = 0;
    long long line = 0;
};

class Run {
public:
    explicit Run(Options options) : options_(std::move(options)) {}

    int Execute();

private:
    void Message(const QString& text) {
        progress_.Clear();
        std::fprintf(stderr, "dentiplot-batch: %s\n", qPrintable(text));
    }
    // An assessed row kept for its report.
    struct AssessedRow {
        RowOutcome outcome;
        CsvRecord record;
        QStringList advice;
        long long row = 0;
    };
    // A batch of rows judged, with everything the results and reports need.
    struct AssessedRows {
        long long rows = 0;
        std::string results; // the rows' records of the results file
        std::vector<std::pair<long long, QStringList>> errors; // by line
        long long notAssessed = 0;
        std::vector<AssessedRow> assessed; // only when reports are written
    };
    static constexpr std::size_t kBatchRows = 512;

    // Judges `records`, the first of them spreadsheet row `firstRow`; safe
    // to run on any thread.
    AssessedRows AssessBatch(const RowJudge& judge, const Columns& columns,
                             std::vector<CsvRecord> records, long long firstRow) const;
    // Reports, counts and writes a judged batch, in the order of the rows.
    void Collect(AssessedRows done, const Columns& columns, const CsvWriter::Sink& sink);
    void AssessRows(CsvReader& reader, const Columns& columns, const CsvWriter::Sink& sink);
    bool WriteReports();

    Options options_;
    Progress progress_;
    QString inputName_;
    long long inputSize_ = 0;
    long long rowsNotAssessed_ = 0;
    char delimiter_ = ',';
    std::string lineEnd_;
    std::vector<ReportJob> jobs_;
};

Run::AssessedRows Run::AssessBatch(const RowJudge& judge, const Columns& columns,
                                   std::vector<CsvRecord> records, long long firstRow) const {
    const bool wantReports = !options_.reportsDir.isEmpty();
    AssessedRows done;
    done.rows = static_cast<long long>(records.size());
    std::string& output = done.results;
    CsvWriter writer(delimiter_, lineEnd_,
                     [&output](std::string_view data) { output.append(data); });
    long long row = firstRow;
    for (CsvRecord& record : records) {
        const RowOutcome outcome = judge.Judge(record.cells);
        if (!outcome.errors.empty()) {
            done.errors.emplace_back(record.line, ErrorTexts(outcome, columns));
        }
        if (outcome.status != RowStatus::Assessed && outcome.status != RowStatus::Empty) {
            ++done.notAssessed;
        }
        QStringList advice;
        if (outcome.status == RowStatus::Assessed && (options_.advice || wantReports)) {
            advice = AssembleAdvice(RowJudge::ScoresOf(outcome), outcome.shares.Chance,
                                    SharedFragmentHolders());
        }
        for (int column = 0; column < columns.width; ++column) {
            writer.Cell(column < static_cast<int>(record.cells.size()) ? record.cells[column]
                                                                       : std::string());
        }
        WriteResultCells(writer, outcome, columns, options_.advice ? &advice : nullptr);
        writer.EndRecord();
        if (wantReports && outcome.status == RowStatus::Assessed) {
            done.assessed.push_back({outcome, std::move(record), std::move(advice), row});
        }
        ++row;
    }
    writer.Flush();
    return done;
}

void Run::Collect(AssessedRows done, const Columns& columns, const CsvWriter::Sink& sink) {
    for (const auto& [line, errors] : done.errors) {
        for (const QString& error : errors) {
            Message(QStringLiteral("%1:%2: %3").arg(inputName_).arg(line).arg(error));
        }
    }
    rowsNotAssessed_ += done.notAssessed;
    sink(done.results);
    for (AssessedRow& assessed : done.assessed) {
        ReportJob job;
        job.data = ReportDataFor(assessed.outcome, columns, assessed.record.cells, options_.page);
        job.advice = std::move(assessed.advice);
        if (columns.identNo != Columns::kAbsent &&
            columns.identNo < static_cast<int>(assessed.record.cells.size())) {
            job.identNo = assessed.record.cells[columns.identNo];
        }
        job.row = assessed.row;
        job.line = assessed.record.line;
        jobs_.push_back(std::move(job));
    }
}

void Run::AssessRows(CsvReader& reader, const Columns& columns, const CsvWriter::Sink& sink) {
    if (options_.advice || !options_.reportsDir.isEmpty()) {
        SharedFragmentHolders(); // made once, before the workers share them
    }
    const RowJudge judge(columns);
    // Rows are judged and their results formatted in batches on every core,
    // while this thread reads the next rows and writes the results of the
    // finished batches in their order. Beyond a few cores the reading thread
    // is the bottleneck; the cap keeps the batches held at once, and so the
    // memory, small on any machine.
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    OrderedWork<AssessedRows> work(workers, 2 * static_cast<std::size_t>(workers) + 2);
    long long rowsRead = 0;
    long long rowsDone = 0;
    const auto takeOldest = [&] {
        AssessedRows done = work.Take();
        rowsDone += done.rows;
        Collect(std::move(done), columns, sink);
        progress_.Show("rows", rowsDone, 0, reader.BytesRead(), inputSize_);
    };
    const auto give = [&](std::vector<CsvRecord> batch) {
        if (batch.empty()) {
            return;
        }
        if (work.Pending() == work.Capacity()) {
            takeOldest();
        }
        // The header is the spreadsheet's row 1.
        const long long firstRow = rowsRead - static_cast<long long>(batch.size()) + 2;
        work.Give([this, &judge, &columns, batch = std::move(batch), firstRow]() mutable {
            return AssessBatch(judge, columns, std::move(batch), firstRow);
        });
    };
    std::vector<CsvRecord> batch;
    try {
        CsvRecord record;
        while (reader.Next(record)) {
            ++rowsRead;
            batch.push_back(std::move(record));
            if (batch.size() == kBatchRows) {
                give(std::move(batch));
                batch.clear();
                batch.reserve(kBatchRows);
            }
        }
    } catch (const MalformedFile&) {
        // The rows before the fault are reported as they would have been.
        give(std::move(batch));
        while (work.Pending() > 0) {
            takeOldest();
        }
        throw;
    }
    give(std::move(batch));
    while (work.Pending() > 0) {
        takeOldest();
    }
}

bool Run::WriteReports() {
    const std::string dir = QDir::cleanPath(options_.reportsDir).toStdString();
    if (!QDir().mkpath(options_.reportsDir)) {
        Message(QStringLiteral("cannot make the folder %1").arg(options_.reportsDir));
        return false;
    }
    std::vector<std::string> identNos;
    std::vector<long long> rows;
    for (const ReportJob& job : jobs_) {
        identNos.push_back(job.identNo);
        rows.push_back(job.row);
    }
    const std::vector<std::string> names = ReportFileNames(identNos, rows);

    // Every core renders reports; each report's name was fixed above, so the
    // files are the same whatever order they are finished in.
    std::vector<std::string> errors(jobs_.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> finished{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs_.size(); i = next++) {
            try {
                const QByteArray pdf = RenderReport(jobs_[i].data, jobs_[i].advice, options_.page);
                WriteFileAtomically(dir + "/" + names[i],
                                    {pdf.constData(), static_cast<std::size_t>(pdf.size())},
                                    options_.force);
            } catch (const std::exception& failure) {
                errors[i] = failure.what();
            }
            ++finished;
        }
    };
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back(work);
    }
    const auto total = static_cast<long long>(jobs_.size());
    while (finished.load() < jobs_.size()) {
        const auto done = static_cast<long long>(finished.load());
        progress_.Show("reports", done, total, done, total);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    bool allWritten = true;
    for (std::size_t i = 0; i < jobs_.size(); ++i) {
        if (!errors[i].empty()) {
            Message(QStringLiteral("%1:%2: report not written: %3")
                        .arg(inputName_)
                        .arg(jobs_[i].line)
                        .arg(QString::fromStdString(errors[i])));
            allWritten = false;
        }
    }
    return allWritten;
}

int Run::Execute() {
    const bool fromStdin = options_.input == QStringLiteral("-");
    inputName_ = fromStdin ? QStringLiteral("<stdin>") : options_.input;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fromStdin ? nullptr : std::fopen(QFile::encodeName(options_.input).constData(), "rb"),
        std::fclose);
    if (!fromStdin && !file) {
        Message(QStringLiteral("cannot open %1: %2").arg(inputName_, strerror(errno)));
        return BadInput;
    }
    std::FILE* input = fromStdin ? stdin : file.get();
    struct stat status {};
    if (fstat(fileno(input), &status) == 0 && S_ISREG(status.st_mode)) {
        inputSize_ = status.st_size;
    }

    std::unique_ptr<AtomicFile> outputFile;
    try {
        CsvReader reader(input);
        CsvRecord header;
        reader.Next(header);
        const Columns columns = MatchColumns(header.cells);

        if (!options_.output.isEmpty() && options_.output != QStringLiteral("-")) {
            outputFile = std::make_unique<AtomicFile>(options_.output.toStdString());
        }
        CsvWriter::Sink sink = [&outputFile](std::string_view data) {
            if (outputFile) {
                outputFile->Write(data);
            } else if (std::fwrite(data.data(), 1, data.size(), stdout) != data.size()) {
                throw std::runtime_error("cannot write the results to standard output");
            }
        };
        delimiter_ = options_.delimiter.value_or(reader.Delimiter());
        lineEnd_ = reader.LineEnd();
        CsvWriter writer(delimiter_, lineEnd_, sink);
        if (reader.ByteOrderMark()) {
            writer.Raw("\xEF\xBB\xBF");
        }
        for (const std::string& name : header.cells) {
            writer.Cell(name);
        }
        for (const QString& name : ResultHeaders(options_.advice)) {
            writer.Cell(name.toStdString());
        }
        writer.EndRecord();
        writer.Flush();
        AssessRows(reader, columns, sink);
        if (outputFile) {
            outputFile->Commit(true);
        } else if (std::fflush(stdout) != 0) {
            throw std::runtime_error("cannot write the results to standard output");
        }
    } catch (const MalformedFile& malformed) {
        Message(QStringLiteral("%1:%2").arg(inputName_, QString::fromStdString(malformed.what())));
        return BadInput;
    } catch (const std::exception& failure) {
        Message(QString::fromStdString(failure.what()));
        return BadInput;
    }
    progress_.Clear();

    bool reportsWritten = true;
    if (!options_.reportsDir.isEmpty()) {
        reportsWritten = WriteReports();
        progress_.Clear();
    }
    return rowsNotAssessed_ == 0 && reportsWritten ? EveryRowAssessed : RowsNotAssessed;
}

} // namespace

int RunBatch(const QStringList& arguments) {
    Options options;
    try {
        bool done = false;
        options = ParseArguments(arguments, done);
        if (done) {
            return EveryRowAssessed;
        }
    } catch (const UsageError& error) {
        std::fprintf(stderr, "dentiplot-batch: %s\nTry dentiplot-batch --help.\n", error.what());
        return BadArguments;
    }
    RemoveTemporariesOnSignals();
    return Run(std::move(options)).Execute();
}

} // namespace Batch
