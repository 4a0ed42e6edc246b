#include "boostcoil/cli/reportfile.h"

#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfcreport.h"
#include "common/report/reportcli.h"
#include "common/report/reportsections.h"

namespace fb {

ReportData CalcReportData(const CalcRun& run) {
    return PfcReport(run.result,
                     {run.core, run.materialData, run.analysis, run.messages, run.geometry, ReportDateToday()});
}

bool WriteCalcReportFile(const CalcRun& run, const std::string& path, std::string* error) {
    return WriteCliReport(CalcReportData(run), path, error);
}

}  // namespace fb
