#include "tests/batch/BatchSupport.h"

#include "batch/BatchRun.h"
#include "batch/CsvReader.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace BatchSupport {

Outcome RunBatchOn(const QTemporaryDir& dir, const std::string& csv,
                   const std::vector<std::string>& arguments) {
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    QFile::remove(out);
    QFile file(in);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(csv.data(), static_cast<qint64>(csv.size()));
    file.close();

    QStringList commandLine{QStringLiteral("dentiplot-batch"), in, QStringLiteral("-o"), out};
    for (const std::string& argument : arguments) {
        commandLine << QString::fromStdString(argument);
    }
    Outcome outcome;
    testing::internal::CaptureStderr();
    outcome.exitStatus = Batch::RunBatch(commandLine);
    outcome.errors = testing::internal::GetCapturedStderr();

    QFile results(out);
    if (results.open(QIODevice::ReadOnly)) {
        outcome.results = results.readAll().toStdString();
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> read(
            std::fopen(QFile::encodeName(out).constData(), "rb"), std::fclose);
        Batch::CsvReader reader(read.get());
        Batch::CsvRecord record;
        while (reader.Next(record)) {
            outcome.records.push_back(record.cells);
        }
    }
    return outcome;
}

std::string Header(char d) {
    std::string header;
    for (const char* name :
         {"Caries experience", "Related diseases", "\"Diet, contents\"", "\"Diet, frequency\"",
          "Plaque amount", "Mutans streptococci", "Fluoride program", "Saliva secretion",
          "Buffer capacity", "Clin. judgement", "Country/Area", "Group", "Name", "Ident.No.",
          "Date", "Examiner", "Comments"}) {
        header += (header.empty() ? "" : std::string(1, d)) + name;
    }
    return header + "\n";
}

std::string Row(const std::string& scores, const std::string& countryArea, const std::string& group,
                const std::string& notes, char d) {
    std::string row;
    for (const char score : scores) {
        row += (score == ' ' ? std::string() : std::string(1, score)) + d;
    }
    std::string separated = notes;
    std::replace(separated.begin(), separated.end(), ',', d);
    return row + countryArea + d + group + d + separated + "\n";
}

std::string Cell(const Outcome& outcome, std::size_t record, const std::string& column) {
    if (outcome.records.empty() || record >= outcome.records.size()) {
        return "<no record " + std::to_string(record) + ">";
    }
    const std::vector<std::string>& header = outcome.records.front();
    const auto found = std::find(header.begin(), header.end(), column);
    const auto index = static_cast<std::size_t>(found - header.begin());
    if (found == header.end() || index >= outcome.records[record].size()) {
        return "<no cell " + column + ">";
    }
    return outcome.records[record][index];
}

} // namespace BatchSupport
