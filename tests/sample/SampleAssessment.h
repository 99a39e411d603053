#pragma once

// A filled-in assessment for the end-to-end printing tests, the sample
// printout and the printing benchmark.

#include "printing/PrintCommand.h"

#include <QString>
#include <string_view>

namespace SampleAssessment {

// Puts the risk model on the standard country area and group (code 1), then
// enters the ten one-digit `scores`, in factor order, both into the model and
// into `input` as the score boxes would hold them, with the model's shares.
// The country area's text is "Standard set"; the group's is `groupText`.
void EnterScores(Printing::PrintCommandInput& input, std::string_view scores,
                 const QString& groupText);

} // namespace SampleAssessment
