#include "boostcoil/design/pfcreport.h"

#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/design/pfcwaves.h"
#include "common/report/reportrows.h"
#include "common/report/reportsections.h"

namespace fb {

ReportData PfcReport(const PfcReportSource& s) {
    ReportData d;
    d.title = "Отчет о расчете дросселя корректора коэффициента мощности";
    d.program = "Boostcoil";
    d.version = "2.0";
    d.date = s.date;
    d.inputs = InputRows(PfcFields(), s.result.input);
    d.core = CoreRows(s.core);
    d.material = MaterialRows(s.material);
    d.results = ResultRows(PfcResultFields(), s.result.texts, s.result.labels, {{pfcid::kRequired, pfcid::kRequiredLabel}});
    d.messages = MessageTexts(s.messages);
    FillAnalysis(d, s.analysis);
    if (s.result.calculated) d.plots = PfcPlots(s.result);
    return d;
}

}  // namespace fb
