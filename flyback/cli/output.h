#pragma once
// The two ways flyback-calc shows a finished run: one JSON object, or a readable report
// laid out like the window's groups.
#include <string>

#include "common/cli/calctool.h"
#include "flyback/cli/calcrun.h"

namespace fb {

// The JSON object of a run: today's keys, then "fields" (every input and result with its
// caption, unit, text and number).
cli::Json CalcJson(const CalcRun& run);

// The Russian report: inputs, core, results, clamper, messages last.
std::string CalcReport(const CalcRun& run, const std::string& file);

}  // namespace fb
