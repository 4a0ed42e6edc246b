#include "flyback/cli/reportfile.h"

#include "common/adviser/adviceanalysis.h"
#include "common/report/reportcli.h"
#include "common/report/reportsections.h"
#include "flyback/design/flybackanalysis.h"
#include "flyback/design/flybackreport.h"

namespace fb {

ReportData CalcReportData(const CalcRun& run, const std::string& dataRoot) {
    const AdviceAnalysis setting = LoadAdviceAnalysis(dataRoot);
    const CoreGeometry geometry = setting.GeometryFor(run.core);
    const DesignAnalysis analysis =
        AnalyseFlybackDesign(run.outcome, run.core, run.material, run.wires, geometry, setting.options);
    return FlybackReport({run.outcome, run.core, run.material, analysis, run.messages, run.clamperIn,
                          run.clamperOut, geometry, ReportDateToday()});
}

bool WriteCalcReportFile(const CalcRun& run, const std::string& dataRoot, const std::string& path, std::string* error) {
    return WriteCliReport(CalcReportData(run, dataRoot), path, error);
}

}  // namespace fb
