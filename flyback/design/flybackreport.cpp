#include "flyback/design/flybackreport.h"

#include "common/data/english.h"
#include "common/report/reportrows.h"
#include "flyback/design/fields.h"
#include "flyback/design/flybackwaves.h"

namespace fb {
namespace {

std::vector<ReportRow> ClamperRows(const ClamperInput& in, const ClamperResult& out) {
    std::vector<ReportRow> rows;
    for (const ClamperField& f : ClamperFields())
        rows.push_back(LocalizedRow({f.caption, in.*f.text, f.text == &ClamperInput::L1 ? in.L1unit : f.unit}));
    std::map<int, std::string> texts;
    for (const auto& [id, text] : ClamperResultTexts(in, out)) texts[id] = text;
    const ClamperModeLabels mode = ModeLabels(in.reverse);
    for (ReportRow& r : ResultRows(ClamperResultFields(), texts, {{clamperid::FirstUnit, mode.unit}})) {
        if (r.caption.empty()) r.caption = LocalizedRuns(mode.label);
        rows.push_back(std::move(r));
    }
    return rows;
}

}  // namespace

ReportData FlybackReport(const FlybackOutcome& outcome, const ClamperInput& clamperIn, const ClamperResult& clamperOut,
                         const ReportSource& source) {
    ReportData d =
        DesignReport("Отчет о расчете трансформатора обратноходового преобразователя", kFlybackProgram, source);
    d.inputs = InputRows(FlybackFields(), outcome.input);
    d.results =
        ResultRows(FlybackResultFields(), outcome.results, outcome.labels, {{ctl::kRequired, ctl::kRequiredCaption}});
    d.clamper = ClamperRows(clamperIn, clamperOut);
    if (outcome.computed) d.plots = FlybackPlots(outcome, source.material);
    return d;
}

}  // namespace fb
