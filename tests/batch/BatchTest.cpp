// dentiplot-batch end to end, in this process: spreadsheet rows in, results
// out, judged and assessed as the main window judges and assesses them.

#include "batch/BatchRun.h"
#include "tests/batch/BatchSupport.h"

#include <QDir>
#include <QFile>
#include <array>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace BatchSupport;

// Rows whose figures the window shows for the same entries: the model's
// worked example with each selector pair, and one row for every chance band.
// The results: five percentages, the printed chance, band, advice fragments.
const std::array<const char*, 4> GoldenRows[] = {
    {"2122222111", "Standard set", "Standard set",
     "21.24 22.59 22.59 22.59 11.00 21 21-40 1.4 2.1 3.1 4.1 5.2 6.2 7.1 9.1"},
    {"2122222111", "Low risk", "2",
     "35.03 18.63 18.63 18.63 9.07 35 21-40 1.4 2.1 3.1 4.1 5.2 6.2 7.1 9.1"},
    {"2122222111", " HIGH RISK ", "3",
     "11.88 25.27 25.27 25.27 12.31 12 0-20 1.4 2.1 3.1 4.1 5.2 6.2 7.1 9.1"},
    // Three blanks take the defaults, which are the worked example's scores;
    // the advice reads them as 9.
    {"2 2 2 2111", "1", "1",
     "21.24 22.59 22.59 22.59 11.00 21 21-40 1.4 2.1 3.4 4.4 5.2 6.2 7.1 9.1"},
    {"3233333321", "1", "1", "-0.36 9.81 9.81 75.42 5.31 0 0-20 1.1 2.1 3.1 4.1 5.1 6.1 7.1 9.1"},
    // A blank buffer capacity is the default 1; this band does not ask for it.
    {"22122211 1", "1", "1", "43.35 13.49 17.99 13.49 11.68 43 41-60 1.4 2.1 3.3 4.1 5.3 6.2 9.1"},
    {"1211121101", "1", "1", "70.01 6.70 10.06 6.70 6.53 70 61-80 1.4 2.1 4.3 6.2 9.1"},
    {"0000000001", "1", "1", "99.55 0.06 0.10 0.19 0.10 100 81-100 1.4 2.1 9.1"},
};

TEST(BatchAssessment, RowsGetTheWindowsFiguresBandAndAdvice) {
    const QTemporaryDir dir;
    std::string csv = Header();
    for (const auto& row : GoldenRows) {
        csv += Row(row[0], row[1], row[2]);
    }
    const Outcome outcome = RunBatchOn(dir, csv);
    EXPECT_EQ(outcome.exitStatus, Batch::EveryRowAssessed) << outcome.errors;
    ASSERT_EQ(outcome.records.size(), std::size(GoldenRows) + 1);
    for (std::size_t i = 0; i < std::size(GoldenRows); ++i) {
        std::string results;
        for (const char* column : {"Chance", "Diet", "Bacteria", "Susceptibility", "Circumstances",
                                   "Chance printed", "Band", "Advice fragments"}) {
            results += (results.empty() ? "" : " ") + Cell(outcome, i + 1, column);
        }
        EXPECT_EQ(results, GoldenRows[i][3]) << GoldenRows[i][0];
    }
}

TEST(BatchAssessment, AdviceCellHoldsTheAdviceTextAndUnknownColumnsPassThrough) {
    const QTemporaryDir dir;
    const std::string csv = "School,Caries experience,Related diseases,\"Diet, contents\","
                            "\"Diet, frequency\",Plaque amount,Mutans streptococci,Fluoride "
                            "program,Saliva secretion,Buffer capacity,Clin. judgement,"
                            "  country/AREA ,group,Notes\n"
                            "\"North; \"\"A\"\"\",0,0,0,0,0,0,0,0,0,1,1,1,\"two\nlines\"\n";
    const Outcome outcome = RunBatchOn(dir, csv, {"--advice"});
    ASSERT_EQ(outcome.records.size(), 2u) << outcome.errors;
    EXPECT_EQ(outcome.records[1][0], "North; \"A\"");
    EXPECT_EQ(outcome.records[1][13], "two\nlines");
    const std::string advice = Cell(outcome, 1, "Advice");
    EXPECT_EQ(advice.find("The Dentiplot indicates a Low risk for caries."), 2u);
    EXPECT_EQ(std::count(advice.begin(), advice.end(), '\n'), 13);
}

// Every kind of bad row: written with its status, an error also reported on
// standard error with its line and the window's message, and the run goes on.
const std::pair<const char*, const char*> BadRows[] = {
    {"2,1,x,2,2,2,2,1,1,1,1,1,,,,,", "error: Diet, contents: Not a numerical value"},
    {"2,1,2,2,2,2,7,1,1,1,1,1,,,,,", "error: Fluoride program: Value out of range"},
    {"2,3,2,2,2,2,2,1,1,1,1,1,,,,,", "error: Related diseases: Value out of range"},
    {"2,1,2,2,2,2,2,1,-1,1,1,1,,,,,", "error: Buffer capacity: Value out of range"},
    {"2,1,2,2,2,2,2,1,1,1,Medium,1,,,,,", "error: Country/Area: \"Medium\" names no item (Standard "
                                          "set, Low risk, High risk, or 1 to 3)"},
    {"2,1,2,2,2,2,2,1,1,1,1,4,,,,,",
     "error: Group: \"4\" names no item (Standard set, Low risk, High risk, or 1 to 3)"},
    {"2,1,2,2,2,2,2,1,1,1,1,1", "error: the row has 12 cells where the header has 17"},
    {",,,,2,2,2,1,1,1,1,1,,,,,", "more than three factors blank"},
    {"2,1,2,2,2,2,2,1,1,1,,1,,,,,", "selector not set"},
    {"2,1,2,2,2,2,2,1,1,1,1,,,,,,", "selector not set"},
};

TEST(BatchAssessment, BadRowsAreReportedAndTheRunGoesOn) {
    const QTemporaryDir dir;
    // The table again and again, past the batches that rows are judged in
    // apart: every record and message stays in its row's place.
    constexpr std::size_t kRounds = 60;
    std::string csv = Header();
    for (std::size_t round = 0; round < kRounds; ++round) {
        for (const auto& [row, status] : BadRows) {
            csv += std::string(row) + "\n" + Row("2122222111", "1", "1");
        }
    }
    csv += ",,,,,,,,,,,,,,,,\n"; // a spacer row is no patient
    const Outcome outcome = RunBatchOn(dir, csv);
    EXPECT_EQ(outcome.exitStatus, Batch::RowsNotAssessed);
    ASSERT_EQ(outcome.records.size(), kRounds * 2 * std::size(BadRows) + 2);
    for (std::size_t i = 0; i < kRounds * std::size(BadRows); ++i) {
        const auto& [row, statusText] = BadRows[i % std::size(BadRows)];
        const std::string status = statusText;
        SCOPED_TRACE(row);
        const std::size_t record = 2 * i + 1;
        EXPECT_EQ(Cell(outcome, record, "Status"), status);
        EXPECT_EQ(Cell(outcome, record, "Chance"), "");
        EXPECT_EQ(Cell(outcome, record + 1, "Chance"), "21.24");
        const bool error = status.starts_with("error: ");
        const std::string line = "in.csv:" + std::to_string(record + 1) + ": ";
        EXPECT_EQ(outcome.errors.find(line + status.substr(error ? 7 : 0)) != std::string::npos,
                  error);
    }
    EXPECT_EQ(Cell(outcome, outcome.records.size() - 1, "Status"), "empty row");
}

// A file that cannot be read at all: one clear error naming the line, and no
// results file.
TEST(BatchAssessment, MalformedFilesAreOneErrorNamingTheLine) {
    const std::string row = Row("2122222111", "1", "1");
    const struct {
        const char* name;
        std::string csv;
        const char* error;
    } files[] = {
        {"unclosed quote", Header() + row + "2,1,2,2,2,2,2,1,1,1,1,1,\"Ann,,,,\n" + row,
         "in.csv:line 3: a quoted cell begun in this record is never closed"},
        {"stray quote", Header() + row + row + "2,1,2,2,2,2,2,1,1,1,1,1,An\"n,,,,\n",
         "in.csv:line 4: a quote stands inside a cell"},
        {"not UTF-8", Header() + row + "2,1,2,2,2,2,2,1,1,1,1,1,J\xF6rg,,,,\n",
         "in.csv:line 3: the text is not UTF-8"},
        {"missing column", "Caries experience,Group\n2,1\n",
         "in.csv:line 1: the header names no column \"Related diseases\""},
        {"column twice", Header().substr(0, Header().size() - 1) + ",GROUP\n",
         "in.csv:line 1: the column \"Group\" is named twice in the header"},
        {"empty file", "", "in.csv:line 1: there is no header line naming the columns"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const QTemporaryDir dir;
        const Outcome outcome = RunBatchOn(dir, file.csv);
        EXPECT_EQ(outcome.exitStatus, Batch::BadInput);
        EXPECT_NE(outcome.errors.find(file.error), std::string::npos) << outcome.errors;
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.csv"))));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << "a temporary file was left behind";
    }
}

// The forms spreadsheets write: the same patients, the same figures; the
// results keep the input's delimiter, line end and byte-order mark.
TEST(BatchAssessment, SpreadsheetFormsGiveTheSameResults) {
    const std::string notes = "Ann,P-1,2026-12-01,Smith,\"first\nsecond\"";
    const std::string plain = Header() + Row("2122222111", "1", "1", notes);
    // Each form with how its results begin and end their lines.
    const std::tuple<const char*, std::string, const char*, const char*> forms[] = {
        {"comma, LF", plain, "Caries", "\n"},
        {"byte-order mark", "\xEF\xBB\xBF" + plain,
         "\xEF\xBB\xBF"
         "Caries",
         "\n"},
        {"semicolons", Header(';') + Row("2122222111", "1", "1", notes, ';'), "Caries", "\n"},
        {"CRLF",
         Header().insert(Header().size() - 1, "\r") +
             "2,1,2,2,2,2,2,1,1,1,1,1,Ann,P-1,2026-12-01,Smith,\"first\r\nsecond\"\r\n",
         "Caries", "\r\n"},
    };
    for (const auto& [name, csv, start, lineEnd] : forms) {
        SCOPED_TRACE(name);
        const QTemporaryDir dir;
        const Outcome outcome = RunBatchOn(dir, csv);
        EXPECT_EQ(outcome.exitStatus, Batch::EveryRowAssessed) << outcome.errors;
        EXPECT_TRUE(outcome.results.starts_with(start));
        EXPECT_NE(outcome.results.find(std::string("Advice fragments") + lineEnd),
                  std::string::npos);
        const std::string comments = Cell(outcome, 1, "Comments");
        EXPECT_EQ(Cell(outcome, 1, "Chance") + " " + Cell(outcome, 1, "Name"), "21.24 Ann");
        EXPECT_TRUE(comments.starts_with("first") && comments.ends_with("second")) << comments;
    }
    const QTemporaryDir dir;
    const Outcome semicolons = RunBatchOn(dir, plain, {"--delimiter", ";"});
    EXPECT_EQ(semicolons.results.substr(0, 35), "Caries experience;Related diseases;");
}

TEST(BatchAssessment, BadArgumentsAreTheirOwnExitStatus) {
    const QTemporaryDir dir;
    EXPECT_EQ(RunBatchOn(dir, Header()).exitStatus, Batch::EveryRowAssessed);
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--paper", "a3"},
                                                      {"--resolution", "many"},
                                                      {"--delimiter", "|"},
                                                      {"--no-such-option"},
                                                      {"second.csv"}}) {
        EXPECT_EQ(RunBatchOn(dir, Header(), arguments).exitStatus, Batch::BadArguments)
            << arguments.front();
    }
}

// Reports are named from Ident.No. where it is present and unique, else from
// the spreadsheet row; an existing report is kept unless --force.
TEST(BatchReports, NamedByIdentNoOrRowAndNeverOverwritten) {
    const QTemporaryDir dir;
    const QString reports = dir.filePath(QStringLiteral("reports"));
    const std::string csv =
        Header() + Row("2122222111", "1", "1", ",A/1,,,") +
        Row("2122222111", "1", "1", ",twin,,,") + Row("2122222111", "1", "1", ",twin,,,") +
        Row("2122222111", "1", "1", ",,,,") + Row("21222221 1", "1", "", ",none,,,");
    const std::vector<std::string> arguments{"--reports", reports.toStdString()};
    const Outcome first = RunBatchOn(dir, csv, arguments);
    EXPECT_EQ(first.exitStatus, Batch::RowsNotAssessed);
    const QStringList expected{QStringLiteral("A_1.pdf"), QStringLiteral("row-3.pdf"),
                               QStringLiteral("row-4.pdf"), QStringLiteral("row-5.pdf")};
    EXPECT_EQ(QDir(reports).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);

    QFile kept(reports + QStringLiteral("/row-3.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly | QIODevice::Truncate));
    kept.write("mine");
    kept.close();
    const Outcome again = RunBatchOn(dir, csv, arguments);
    EXPECT_NE(again.errors.find("row-3.pdf exists already"), std::string::npos);
    EXPECT_EQ(QFileInfo(kept).size(), 4);
    const Outcome forced = RunBatchOn(dir, csv, {"--reports", reports.toStdString(), "--force"});
    EXPECT_GT(QFileInfo(kept).size(), 1000);
    EXPECT_EQ(QDir(reports).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

} // namespace
