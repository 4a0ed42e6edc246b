#pragma once
// The design report of the PFC choke, filled alike by the window and boostcoil-calc.
#include "boostcoil/design/pfc.h"
#include "common/report/reportsections.h"

namespace fb {

// `result`'s input is the form as the design left it.
ReportData PfcReport(const PfcResult& result, const ReportSource& source);

}  // namespace fb
