#pragma once
// The two ways flyback-calc shows a finished run: one JSON object, or a readable report
// laid out like the window's groups.
#include <string>

#include "flyback/cli/calcrun.h"

namespace fb {

// One line of UTF-8 JSON. Bytes that are not UTF-8 (a material file name, say) are replaced
// rather than allowed to make the output invalid.
std::string CalcJson(const CalcRun& run);

// The Russian report: inputs, core, results, clamper, messages last.
std::string CalcReport(const CalcRun& run, const std::string& file);

}  // namespace fb
