#include "flyback/cli/reportfile.h"

#include "common/report/reportcli.h"
#include "common/report/reportsections.h"
#include "flyback/design/flybackanalysis.h"
#include "flyback/design/flybackreport.h"

namespace fb {

ReportData CalcReportData(const CalcRun& run) {
    return FlybackReport(run.outcome, run.clamperIn, run.clamperOut,
                         {run.core, run.material, run.analysis, run.messages, run.geometry, ReportDateToday()});
}

bool WriteCalcReportFile(const CalcRun& run, const std::string& path, std::string* error) {
    return WriteCliReport(CalcReportData(run), path, error);
}

}  // namespace fb
