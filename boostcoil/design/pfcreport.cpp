#include "boostcoil/design/pfcreport.h"

#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/design/pfcwaves.h"
#include "common/report/reportrows.h"

namespace fb {
namespace {

// The information field's "caption<TAB>value" lines as rows.
void AddInfoRows(const std::string& info, std::vector<ReportRow>& rows) {
    size_t start = 0;
    while (start < info.size()) {
        size_t end = info.find('\n', start);
        if (end == std::string::npos) end = info.size();
        std::string line = info.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t tab = line.find('\t');
        if (tab != std::string::npos) rows.push_back(LocalizedRow({line.substr(0, tab), line.substr(tab + 1), ""}));
        start = end + 1;
    }
}

}  // namespace

ReportData PfcReport(const PfcResult& result, const ReportSource& source) {
    ReportData d = DesignReport("Отчет о расчете дросселя корректора коэффициента мощности", kBoostcoilProgram, source);
    d.inputs = InputRows(PfcFields(), result.input);
    d.results = ResultRows(PfcResultFields(), result.texts, result.labels, {{pfcid::kRequired, pfcid::kRequiredLabel}});
    const auto info = result.texts.find(pfcid::kInfo);
    if (info != result.texts.end()) AddInfoRows(info->second, d.results);
    if (result.calculated) d.plots = PfcPlots(result);
    return d;
}

}  // namespace fb
