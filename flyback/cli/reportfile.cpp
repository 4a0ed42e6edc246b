#include "flyback/cli/reportfile.h"

#include "common/adviser/adviceanalysis.h"
#include "common/report/reportsections.h"
#include "flyback/design/flybackanalysis.h"
#include "flyback/design/flybackreport.h"
#ifndef FB_NO_REPORT
#include "common/report/reportdocument.h"
#endif

namespace fb {

ReportData CalcReportData(const CalcRun& run, const std::string& dataRoot) {
    const AdviceAnalysis setting = LoadAdviceAnalysis(dataRoot);
    const DesignAnalysis analysis = AnalyseFlybackDesign(run.outcome, run.core, run.material, run.wires,
                                                         setting.GeometryFor(run.core), setting.options);
    return FlybackReport({run.outcome, run.core, run.material, analysis, run.messages, run.clamperIn,
                          run.clamperOut, ReportDateToday()});
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
