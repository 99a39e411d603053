#pragma once

// Which column of a spreadsheet holds what. The header row names the columns
// in any order; a name is matched without regard to case or surrounding
// blanks. The ten factors go by the names the main window shows, followed by
// the two selectors; the notes columns are optional, and any other column is
// carried through untouched.

#include "model/RiskModel.h"

#include <QString>
#include <array>
#include <string>
#include <vector>

namespace Batch {

inline constexpr int kFactorCount = InmBearb::RiskModel::kFactorCount;

struct Columns {
    static constexpr int kAbsent = -1;
    std::array<int, kFactorCount> factors{}; // in factor order
    int countryArea = kAbsent;
    int group = kAbsent;
    int name = kAbsent;
    int identNo = kAbsent;
    int date = kAbsent;
    int examiner = kAbsent;
    int comments = kAbsent;
    int width = 0;                    // number of cells in the header
    std::vector<std::string> headers; // the header cells as written
};

// Column names, as the header row may spell them (any case, blanks around).
const QString& CountryAreaColumn();
const QString& GroupColumn();
// The name of factor `factor` (0-9), as the main window shows it.
const QString& FactorColumn(int factor);
// Names of every column the program reads, required ones first; for --help.
QStringList KnownColumns();

// Finds the columns in the header row. Throws MalformedFile (line 1) naming a
// required column that is missing or a known column given twice.
Columns MatchColumns(const std::vector<std::string>& header);

} // namespace Batch
