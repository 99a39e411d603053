// dentiplot-batch end to end, in this process: CSV text in, the results on
// standard output and the messages on standard error.

#include "batch/BatchRun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status;
    std::string results;
    std::string errors; // with the input's path shortened to "in.csv"
};

Outcome RunBatchOn(const std::string& csv, const QStringList& arguments = {}) {
    static const QTemporaryDir dir;
    QFile in(dir.filePath(QStringLiteral("in.csv")));
    EXPECT_TRUE(in.open(QIODevice::WriteOnly | QIODevice::Truncate));
    in.write(csv.data(), static_cast<qint64>(csv.size()));
    in.close();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = Batch::RunBatch(QStringList{"dentiplot-batch", in.fileName()} + arguments);
    std::string results = testing::internal::GetCapturedStdout();
    const QString errors = QString::fromStdString(testing::internal::GetCapturedStderr());
    return {status, std::move(results),
            QString(errors).replace(in.fileName(), "in.csv").toStdString()};
}

// Column names are matched whatever their case and surrounding blanks.
const std::string kHeader = "Caries experience,Related diseases,\"Diet, contents\",\"Diet, "
                            "frequency\",Plaque amount,Mutans streptococci,Fluoride program,"
                            "Saliva secretion,Buffer capacity,Clin. judgement, country/AREA ,Group";
const std::string kResults = ",Status,Chance,Diet,Bacteria,Susceptibility,Circumstances,Chance "
                             "printed,Band,Advice fragments\n";

// Each row as written, then (indented) the cells the program adds to it: the
// worked example with each selector pair and a row for every band (the figures
// the window shows for the same entries), then every kind of bad row.
const char* const kRows = R"rows(2,1,2,2,2,2,2,1,1,1,Standard set,Standard set
    assessed,21.24,22.59,22.59,22.59,11.00,21,21-40,1.4 2.1 3.1 4.1 5.2 6.2 7.1 9.1
2,1,2,2,2,2,2,1,1,1, 2,Low risk
    assessed,35.03,18.63,18.63,18.63,9.07,35,21-40,1.4 2.1 3.1 4.1 5.2 6.2 7.1 9.1
2,1,2,2,2,2,2,1,1,1, HIGH RISK ,3
    assessed,11.88,25.27,25.27,25.27,12.31,12,0-20,1.4 2.1 3.1 4.1 5.2 6.2 7.1 9.1
2,,2,,2,,2,1,1,1,1,1
    assessed,21.24,22.59,22.59,22.59,11.00,21,21-40,1.4 2.1 3.4 4.4 5.2 6.2 7.1 9.1
3,2,3,3,3,3,3,3,2,1,1,1
    assessed,-0.36,9.81,9.81,75.42,5.31,0,0-20,1.1 2.1 3.1 4.1 5.1 6.1 7.1 9.1
2,2,1,2,2,2,1,1,,1,1,1
    assessed,43.35,13.49,17.99,13.49,11.68,43,41-60,1.4 2.1 3.3 4.1 5.3 6.2 9.1
1,2,1,1,1,2,1,1,0,1,1,1
    assessed,70.01,6.70,10.06,6.70,6.53,70,61-80,1.4 2.1 4.3 6.2 9.1
0,0,0,0,0,0,0,0,0,1,1,1
    assessed,99.55,0.06,0.10,0.19,0.10,100,81-100,1.4 2.1 9.1
2,1,x,2,2,2,2,1,1,1,1,1
    "error: Diet, contents: Not a numerical value",,,,,,,,
2,1,2,2,2,2,7,1,1,1,1,1
    error: Fluoride program: Value out of range,,,,,,,,
2,3,2,2,2,2,2,1,-1,1,1,1
    error: Related diseases: Value out of range; Buffer capacity: Value out of range,,,,,,,,
2,1,2,2,2,2,2,1,1,1,Medium,1
    "error: country/AREA: ""Medium"" names no item (Standard set, Low risk, High risk, or 1 to 3)",,,,,,,,
2,1,2,2,2,2,2,1,1,1,1
    ,error: the row has 11 cells where the header has 12,,,,,,,,
,,,,2,2,2,1,1,1,1,1
    more than three factors blank,,,,,,,,
2,1,2,2,2,2,2,1,1,1,,1
    selector not set,,,,,,,,
,,,,,,,,,,,
    empty row,,,,,,,,)rows";

// The table again and again, past the batches that rows are judged in apart:
// every result and message stays in its row's place.
TEST(BatchAssessment, RowsGetTheWindowsFiguresOrTheirFault) {
    static const QRegularExpression error(QString::fromLatin1(R"re(^,?"?error: (.*?)"?,*$)re"));
    const QStringList rows = QString::fromLatin1(kRows).split(QLatin1Char('\n'));
    std::string csv = kHeader + "\n", results = kHeader + kResults;
    std::string errors;
    for (int round = 0, line = 2; round < 60; ++round) {
        for (qsizetype i = 0; i + 1 < rows.size(); i += 2, ++line) {
            csv += rows[i].toStdString() + "\n";
            results += (rows[i] + "," + rows[i + 1].trimmed()).toStdString() + "\n";
            const QString status = error.match(rows[i + 1].trimmed()).captured(1);
            for (const QString& message : status.split("; ", Qt::SkipEmptyParts)) {
                errors += QStringLiteral("dentiplot-batch: in.csv:%1: %2\n")
                              .arg(line)
                              .arg(QString(message).replace("\"\"", "\""))
                              .toStdString();
            }
        }
    }
    const Outcome outcome = RunBatchOn(csv);
    EXPECT_EQ(outcome.status, Batch::RowsNotAssessed);
    EXPECT_EQ(outcome.results, results);
    EXPECT_EQ(outcome.errors, errors);
}

// The forms spreadsheets write give the same results, in the input's
// delimiter, line end and byte-order mark; unknown columns pass through.
TEST(BatchAssessment, SpreadsheetFormsGiveTheSameResults) {
    const std::string row = "2,1,2,2,2,2,2,1,1,1,1,1,\"first\nsecond\"";
    const std::string in = kHeader + ",Notes\n" + row + "\n";
    const std::string out = kHeader + ",Notes" + kResults + row +
                            ",assessed,21.24,22.59,22.59,22.59,11.00,21,21-40,1.4 2.1 3.1 4.1 "
                            "5.2 6.2 7.1 9.1\n";
    // Under semicolons the names with a comma need no quotes.
    const auto form = [](const std::string& text, char delimiter, const char* lineEnd) {
        QString t = QString::fromStdString(text).replace(',', delimiter).replace("\n", lineEnd);
        return t.replace("\"Diet; contents\";\"Diet; frequency\"", "Diet, contents;Diet, frequency")
            .toStdString();
    };
    EXPECT_EQ(RunBatchOn(in).results, out);
    EXPECT_EQ(RunBatchOn("\xEF\xBB\xBF" + in).results, "\xEF\xBB\xBF" + out);
    EXPECT_EQ(RunBatchOn(form(in, ';', "\n")).results, form(out, ';', "\n"));
    EXPECT_EQ(RunBatchOn(form(in, ',', "\r\n")).results, form(out, ',', "\r\n"));
    EXPECT_EQ(RunBatchOn(in, {"--delimiter", ";"}).results, form(out, ';', "\n"));
    // The advice text is one more cell, its lines kept apart.
    const std::string advice = RunBatchOn(in, {"--advice"}).results;
    EXPECT_NE(advice.find(",\"  The Dentiplot indicates a High risk for caries."),
              std::string::npos);
    EXPECT_EQ(std::count(advice.begin(), advice.end(), '\n'), 3 + 40) << "41 advice lines";
}

// A file that cannot be read at all: one error naming the line, and neither a
// results file nor a temporary one left behind.
TEST(BatchAssessment, MalformedFilesAreOneErrorNamingTheLine) {
    const std::string row = "2,1,2,2,2,2,2,1,1,1,1,1,\n";
    const std::pair<std::string, const char*> files[] = {
        {kHeader + ",Name\n" + row + "2,1,2,2,2,2,2,1,1,1,1,1,\"Ann\n" + row,
         "line 3: a quoted cell begun in this record is never closed"},
        {kHeader + ",Name\n" + row + row + "2,1,2,2,2,2,2,1,1,1,1,1,An\"n\n",
         "line 4: a quote stands inside a cell that is not quoted as a whole, or text follows a "
         "closing quote"},
        {kHeader + ",Name\n" + row + "2,1,2,2,2,2,2,1,1,1,1,1,J\xF6rg\n",
         "line 3: the text is not UTF-8"},
        {"Caries experience,Group\n2,1\n",
         "line 1: the header names no column \"Related diseases\""},
        {kHeader + ",GROUP\n", "line 1: the column \"Group\" is named twice in the header"},
        {"", "line 1: there is no header line naming the columns"},
    };
    for (const auto& [csv, error] : files) {
        const QTemporaryDir dir;
        const Outcome outcome = RunBatchOn(csv, {"-o", dir.filePath(QStringLiteral("out.csv"))});
        EXPECT_EQ(outcome.status, Batch::BadInput);
        EXPECT_EQ(outcome.errors, "dentiplot-batch: in.csv:" + std::string(error) + "\n");
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << error;
    }
}

// Reports are named from Ident.No. where it is present and unique, else from
// the spreadsheet row; an existing report is kept unless --force.
TEST(BatchReports, NamedByIdentNoOrRowAndNeverOverwritten) {
    const QTemporaryDir dir;
    const std::string row = "2,1,2,2,2,2,2,1,1,1,1,1,";
    const std::string csv = kHeader + ",Ident.No.\n" + row + "A/1\n" + row + "twin\n" + row +
                            "twin\n" + row + "\n2,1,2,2,2,2,2,1,1,1,1,,none\n";
    const QStringList arguments{"--reports", dir.path()};
    EXPECT_EQ(RunBatchOn(csv, arguments).status, Batch::RowsNotAssessed);
    const QStringList expected{"A_1.pdf", "row-3.pdf", "row-4.pdf", "row-5.pdf"};
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);

    QFile kept(dir.filePath(QStringLiteral("row-3.pdf")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly | QIODevice::Truncate));
    kept.write("mine");
    kept.close();
    EXPECT_NE(RunBatchOn(csv, arguments).errors.find("row-3.pdf exists already"),
              std::string::npos);
    EXPECT_EQ(QFileInfo(kept).size(), 4);
    RunBatchOn(csv, arguments + QStringList{"--force"});
    EXPECT_GT(QFileInfo(kept).size(), 1000);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
}

} // namespace
