#include "boostcoil/cli/reportfile.h"

#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfcreport.h"
#include "common/adviser/adviceanalysis.h"
#include "common/report/reportcli.h"
#include "common/report/reportsections.h"

namespace fb {

ReportData CalcReportData(const CalcRun& run, const std::string& dataRoot) {
    const AdviceAnalysis setting = LoadAdviceAnalysis(dataRoot);
    const CoreGeometry geometry = setting.GeometryFor(run.core);
    const DesignAnalysis analysis = AnalyseChokeDesign(run.result, run.materialData, run.wires, geometry, setting.options);
    return PfcReport({run.result, run.core, run.materialData, analysis, run.messages, geometry, ReportDateToday()});
}

bool WriteCalcReportFile(const CalcRun& run, const std::string& dataRoot, const std::string& path, std::string* error) {
    return WriteCliReport(CalcReportData(run, dataRoot), path, error);
}

}  // namespace fb
