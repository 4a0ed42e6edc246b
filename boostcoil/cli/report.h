#pragma once
// The two outputs of boostcoil-calc: one JSON object, or a report laid out like the window.
#include <string>

#include "boostcoil/cli/calcrun.h"
#include "common/cli/calctool.h"

namespace fb {

// Today's keys, then "fields" (every input and result with caption, unit, text and number).
cli::Json JsonReport(const CalcRun& run);
std::string TextReport(const CalcRun& run);

}  // namespace fb
