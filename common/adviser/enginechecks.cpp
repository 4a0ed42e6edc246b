#include "common/adviser/enginechecks.h"

#include "common/data/numbers.h"

namespace fb {

std::vector<CandidateCheck> EngineChecks(const EngineVerdict& v) {
    std::vector<CandidateCheck> out;
    auto error = [&](const char* rule, std::string text) { out.push_back({rule, kSeverityError, std::move(text)}); };
    if (!v.computed) {
        error("design.stopped", v.stopText);
        return out;
    }
    if (!v.finite) error("design.not_finite", "Расчет дает бесконечные или неопределенные величины");
    if (!v.gapFound) error("design.gap_not_found", "Зазор не подобран");
    if (v.fluxOver)
        error("design.flux", "Амплитуда индукции " + F3(v.Bpk) + " T больше допустимой " + F3(v.Blim) + " T");
    if (v.windowOver) error("design.window", "Коэффициент заполнения окна " + F3(v.Kfill) + " больше 0,3");
    return out;
}

}  // namespace fb
