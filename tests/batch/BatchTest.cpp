// dentiplot-batch end to end, in this process: CSV text in, the results on
// standard output and the messages on standard error.

#include "batch/BatchRun.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <fstream>
#include <gmock/gmock.h>

namespace {

using Outcome = std::tuple<int, std::string, std::string>; // status, results, messages

// Runs the program on `csv` written to in.csv, in a scratch folder made the
// current one so that the messages name "in.csv".
Outcome RunOn(const std::string& csv, const QStringList& arguments = {}) {
    static const QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    std::ofstream("in.csv", std::ios::binary) << csv;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    // Braced initialisers are evaluated in order: the run, then its output.
    return {Batch::RunBatch(QStringList{"dentiplot-batch", "in.csv"} + arguments),
            testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
}

// Column names are matched whatever their case and surrounding blanks.
const std::string kHeader = "Caries experience,Related diseases,\"Diet, contents\",\"Diet, "
                            "frequency\",Plaque amount,Mutans streptococci,Fluoride program,"
                            "Saliva secretion,Buffer capacity,Clin. judgement, country/AREA ,Group";
const std::string kResults = ",Status,Chance,Diet,Bacteria,Susceptibility,Circumstances,Chance "
                             "printed,Band,Advice fragments";

// Each row as written, then (indented) the cells the program adds to it: the
// worked example with each selector pair (once with three factors blank, which
// count as their defaults but change the advice) and a row for every band (the
// figures the window shows for the same entries), then every kind of bad row.
const char* const kRows = R"rows(2,1,2,2,2,2,2,1,1,1,Standard set,Standard set
    assessed,21.24,22.59,22.59,22.59,11.00,21,21-40,1.4 2.1 3.1 4.1 5.2 6.2 7.1 9.1
2,,2,,2,,2,1,1,1, 2,Low risk
    assessed,35.03,18.63,18.63,18.63,9.07,35,21-40,1.4 2.1 3.4 4.4 5.2 6.2 7.1 9.1
2,1,2,2,2,2,2,1,1,1, HIGH RISK ,3
    assessed,11.88,25.27,25.27,25.27,12.31,12,0-20,1.4 2.1 3.1 4.1 5.2 6.2 7.1 9.1
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
    static const QRegularExpression error(QStringLiteral(R"re(^ *,?"?error: (.*?)"?,*$)re"));
    const QStringList rows = QString::fromLatin1(kRows).split(QLatin1Char('\n'));
    std::string csv = kHeader + "\n", results = kHeader + kResults + "\n", errors;
    for (qsizetype line = 2; line < 2 + qsizetype{32} * rows.size(); ++line) {
        const qsizetype i = 2 * (line - 2) % rows.size();
        csv += rows[i].toStdString() + "\n";
        results += (rows[i] + "," + rows[i + 1].trimmed()).toStdString() + "\n";
        const QString prefix = QStringLiteral("dentiplot-batch: in.csv:%1: ").arg(line);
        for (const QString& message :
             error.match(rows[i + 1]).captured(1).split("; ", Qt::SkipEmptyParts)) {
            errors += QString(prefix + message + "\n").replace("\"\"", "\"").toStdString();
        }
    }
    EXPECT_EQ(RunOn(csv), Outcome(Batch::RowsNotAssessed, results, errors));
}

// The forms spreadsheets write give the same results, in the input's
// delimiter, line end and byte-order mark; unknown columns pass through.
TEST(BatchAssessment, SpreadsheetFormsGiveTheSameResults) {
    const std::string row = "2,1,2,2,2,2,2,1,1,1,1,1,\"first\nsecond\"";
    const std::string in = kHeader + ",Notes\n" + row + "\n";
    const std::string out = kHeader + ",Notes" + kResults + "\n" + row + "," +
                            QString(kRows).section('\n', 1, 1).trimmed().toStdString() + "\n";
    // Under semicolons the names with a comma need no quotes.
    const auto form = [](const std::string& text, char delimiter, const char* lineEnd) {
        QString t = QString::fromStdString(text).replace(',', delimiter).replace("\n", lineEnd);
        return t.replace(R"("Diet; contents";"Diet; frequency")", "Diet, contents;Diet, frequency")
            .toStdString();
    };
    EXPECT_EQ(RunOn(in), Outcome(Batch::EveryRowAssessed, out, ""));
    EXPECT_EQ(std::get<1>(RunOn("\xEF\xBB\xBF" + form(in, ';', "\r\n"))),
              "\xEF\xBB\xBF" + form(out, ';', "\r\n"));
    EXPECT_EQ(std::get<1>(RunOn(in, {"--delimiter", ";"})), form(out, ';', "\n"));
    EXPECT_EQ(std::get<0>(RunOn(in, {"--delimiter", "|"})), Batch::BadArguments);
    // The advice text is one more cell, its 41 lines kept apart.
    const std::string advice = std::get<1>(RunOn(in, {"--advice"}));
    EXPECT_EQ(std::count(advice.begin(), advice.end(), '\n'), 3 + 40);
}

// A file that cannot be read at all: one error naming the line, and neither a
// results file nor a temporary one left behind.
TEST(BatchAssessment, MalformedFilesAreOneErrorNamingTheLine) {
    const std::string rows = kHeader + ",Name\n2,1,2,2,2,2,2,1,1,1,1,1,\n2,1,2,2,2,2,2,1,1,1,1,1,";
    const std::pair<std::string, std::string> files[] = {
        {rows + "\"Ann\n\n", "3: a quoted cell begun in this record is never closed"},
        {rows + "\n2,1,2,2,2,2,2,1,1,1,1,1,An\"n\n",
         "4: a quote stands inside a cell that is not quoted as a whole, or text follows a "
         "closing quote"},
        {rows + "J\xF6rg\n", "3: the text is not UTF-8"},
        {"Caries experience,Group\n2,1\n", "1: the header names no column \"Related diseases\""},
        {kHeader + ",GROUP\n", "1: the column \"Group\" is named twice in the header"},
        {"", "1: there is no header line naming the columns"},
        {"\r\n", "1: there is no header line naming the columns"},
    };
    for (const auto& [csv, error] : files) {
        const QTemporaryDir dir;
        EXPECT_EQ(RunOn(csv, {"-o", dir.filePath("out.csv")}),
                  Outcome(Batch::BadInput, "", "dentiplot-batch: in.csv:line " + error + "\n"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

// Reports are named from Ident.No. where it is present and unique, else from
// the spreadsheet row; an existing report is kept unless --force.
TEST(BatchReports, NamedByIdentNoOrRowAndNeverOverwritten) {
    const std::string row = "2,1,2,2,2,2,2,1,1,1,1,1,";
    // The last row, after 600 empty ones, lies beyond the first batch of rows.
    const std::string csv = kHeader + ",Ident.No.\n" + row + "A/1\n" + row + "twin\n" + row +
                            "twin\n" + row + "\n2,1,2,2,2,2,2,1,1,1,1,,none\n" +
                            QByteArray(",,,,,,,,,,,,\n").repeated(600).toStdString() + row + "\n";
    const QStringList reports{"--reports", "reports"};
    RunOn(csv, reports);
    const QStringList expected{"A_1.pdf", "row-3.pdf", "row-4.pdf", "row-5.pdf", "row-607.pdf"};
    EXPECT_EQ(QDir("reports").entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    std::ofstream("reports/row-3.pdf") << "mine";
    EXPECT_THAT(std::get<2>(RunOn(csv, reports)), testing::HasSubstr("row-3.pdf exists already"));
    EXPECT_EQ(QFileInfo("reports/row-3.pdf").size(), 4);
    RunOn(csv, reports + QStringList{"--force"});
    EXPECT_GT(QFileInfo("reports/row-3.pdf").size(), 1000);
    EXPECT_EQ(QDir("reports").entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

} // namespace
