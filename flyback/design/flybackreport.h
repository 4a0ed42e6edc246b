#pragma once
// The design report of the flyback transformer, filled alike by the window and flyback-calc.
#include <string>

#include "common/analysis/designanalysis.h"
#include "common/report/reportdata.h"
#include "flyback/clamper/clamper.h"
#include "flyback/design/flyback.h"

namespace fb {

struct FlybackReportSource {
    const FlybackOutcome& outcome;  // its input is the form as the design left it
    const CoreRecord& core;
    const CMaterial& material;
    const DesignAnalysis& analysis;
    const Messages& messages;  // as shown for this run
    const ClamperInput& clamperIn;  // the clamper window as it opens on this design
    const ClamperResult& clamperOut;
    const CoreGeometry& geometry;  // the one the analysis used
    std::string date;  // shown as given
};

ReportData FlybackReport(const FlybackReportSource& source);

}  // namespace fb
