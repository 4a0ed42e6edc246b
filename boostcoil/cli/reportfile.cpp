#include "boostcoil/cli/reportfile.h"

#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfcreport.h"
#include "common/adviser/adviceanalysis.h"
#include "common/report/reportsections.h"
#ifndef FB_NO_REPORT
#include "common/report/reportdocument.h"
#endif

namespace fb {

ReportData CalcReportData(const CalcRun& run, const std::string& dataRoot) {
    const AdviceAnalysis setting = LoadAdviceAnalysis(dataRoot);
    const DesignAnalysis analysis =
        AnalyseChokeDesign(run.result, run.materialData, run.wires, setting.GeometryFor(run.core), setting.options);
    return PfcReport({run.result, run.core, run.materialData, analysis, run.messages, ReportDateToday()});
}

bool WriteCalcReportFile(const CalcRun& run, const std::string& dataRoot, const std::string& path, std::string* error) {
#ifdef FB_NO_REPORT
    (void)run, (void)dataRoot, (void)path;
    if (error) *error = "Отчет недоступен: программа собрана без Qt.";
    return false;
#else
    return report::WriteReport(CalcReportData(run, dataRoot), path, error);
#endif
}

}  // namespace fb
