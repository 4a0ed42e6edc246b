#pragma once
// The design report of the flyback transformer, filled alike by the window and flyback-calc.
#include "common/report/reportsections.h"
#include "flyback/clamper/clamper.h"
#include "flyback/design/flyback.h"

namespace fb {

// The outcome's input is the form as the design left it; the clamper values are those the
// clamper window opens with on this design.
ReportData FlybackReport(const FlybackOutcome& outcome, const ClamperInput& clamperIn, const ClamperResult& clamperOut,
                         const ReportSource& source);

}  // namespace fb
