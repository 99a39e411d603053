#pragma once

// The ten score rows of the main window: what each row is called, what its
// values mean, its largest score and where it stands.

#include "model/RiskModel.h"

#include <QString>
#include <array>

namespace FactorRows {

struct Row {
    QString label;    // factor name shown left of the edit
    int labelPixels;  // font height of the factor name
    QString labelTip; // what the factor is
    QString range;    // "0-3" or "0-2"
    QString rangeTip; // what each value means, one line per value
    int maximum;      // largest accepted score
    int top;          // top of the row's edit and spin button
};

inline constexpr int kRowCount = InmBearb::RiskModel::kFactorCount;

// Rows in factor order; row i (0-based) is factor i + 1 of the risk model.
const std::array<Row, kRowCount>& Rows();

} // namespace FactorRows
