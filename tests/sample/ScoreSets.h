#pragma once

// Every score set the ten factors can hold, for the exhaustive sweep of the
// risk model in the tests and the benchmark.

#include "model/SectorComputation.h"

namespace ScoreSets {

// How many score sets lie within the factor ranges: 4^8 * 3^2.
inline constexpr long long Count = 589'824;

// Calls `visit` with every score set within the factor ranges, the last
// factor varying fastest. Ten nested ranges read best written out.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
template <typename Visit> void ForEach(Visit&& visit) {
    InmBearb::FactorScores s;
    for (s.CE = 0; s.CE <= 3; ++s.CE)
        for (s.RD = 0; s.RD <= 2; ++s.RD)
            for (s.DC = 0; s.DC <= 3; ++s.DC)
                for (s.DF = 0; s.DF <= 3; ++s.DF)
                    for (s.PA = 0; s.PA <= 3; ++s.PA)
                        for (s.MS = 0; s.MS <= 3; ++s.MS)
                            for (s.FP = 0; s.FP <= 3; ++s.FP)
                                for (s.SS = 0; s.SS <= 3; ++s.SS)
                                    for (s.BC = 0; s.BC <= 2; ++s.BC)
                                        for (s.CJ = 0; s.CJ <= 3; ++s.CJ)
                                            visit(static_cast<const InmBearb::FactorScores&>(s));
}

} // namespace ScoreSets
