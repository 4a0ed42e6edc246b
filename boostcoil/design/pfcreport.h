#pragma once
// The design report of the PFC choke, filled alike by the window and boostcoil-calc.
#include <string>

#include "boostcoil/design/pfc.h"
#include "common/analysis/designanalysis.h"
#include "common/report/reportdata.h"

namespace fb {

struct PfcReportSource {
    const PfcResult& result;  // its input is the form as the design left it
    const CoreRecord& core;
    const CMaterial& material;
    const DesignAnalysis& analysis;
    const Messages& messages;  // as shown for this run
    const CoreGeometry& geometry;  // the one the analysis used
    std::string date;          // shown as given
};

ReportData PfcReport(const PfcReportSource& source);

}  // namespace fb
