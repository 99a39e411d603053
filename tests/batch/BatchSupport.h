#pragma once

// Runs dentiplot-batch in this process on a CSV text written to a scratch
// folder, and reads its results back.

#include <QTemporaryDir>
#include <string>
#include <vector>

namespace BatchSupport {

struct Outcome {
    int exitStatus = -1;
    std::string results;                           // the results file as written
    std::vector<std::vector<std::string>> records; // the same, split, header first
    std::string errors;                            // standard error
};

// Writes `csv` to "<dir>/in.csv" and runs the program on it with the results
// going to "<dir>/out.csv", followed by `arguments`.
Outcome RunBatchOn(const QTemporaryDir& dir, const std::string& csv,
                   const std::vector<std::string>& arguments = {});

// A header naming every column the program reads, and one row in the same
// order: ten scores (a blank character for an empty cell), then Country/Area
// and Group, then Name, Ident.No., Date, Examiner, Comments.
std::string Header(char delimiter = ',');
std::string Row(const std::string& scores, const std::string& countryArea, const std::string& group,
                const std::string& notes = ",,,,", char delimiter = ',');

// The cell of `record` under the results column named `column`.
std::string Cell(const Outcome& outcome, std::size_t record, const std::string& column);

} // namespace BatchSupport
