#pragma once
// `--report FILE`: the design report of a finished run, HTML or PDF by the file's extension.
#include <string>

#include "boostcoil/cli/calcrun.h"
#include "common/report/reportdata.h"

namespace fb {

// The report of the run, with the analysis the run made (its loss options and geometry).
ReportData CalcReportData(const CalcRun& run);
// False with the reason in `error` when the file cannot be written.
bool WriteCalcReportFile(const CalcRun& run, const std::string& path, std::string* error);

}  // namespace fb
