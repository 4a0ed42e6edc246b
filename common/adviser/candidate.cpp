#include "common/adviser/candidate.h"

#include <cmath>

namespace fb {

bool CandidateCheck::operator==(const CandidateCheck& o) const {
    if (rule != o.rule || severity != o.severity || text != o.text || values.size() != o.values.size()) return false;
    // A value that is not a number equals itself here: the same check of the same design.
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double a = values[i].value, b = o.values[i].value;
        if (values[i].name != o.values[i].name || !(a == b || (std::isnan(a) && std::isnan(b)))) return false;
    }
    return true;
}

std::vector<CandidateCheck> CandidateChecks(const Checks& checks) {
    std::vector<CandidateCheck> out;
    out.reserve(checks.size());
    for (const Check& c : checks) out.push_back({c.rule, SeverityName(c.severity), c.text, c.values});
    return out;
}

std::string CandidateChecksJson(const std::vector<CandidateCheck>& checks) {
    Checks back;
    back.reserve(checks.size());
    for (const CandidateCheck& c : checks) {
        const Severity s = c.severity == kSeverityError     ? Severity::Error
                           : c.severity == kSeverityWarning ? Severity::Warning
                                                            : Severity::Note;
        back.push_back({c.rule, s, c.text, c.values});
    }
    return ChecksJson(back);
}

void FinishCandidate(Candidate& c, const CandidateLosses& losses) {
    c.copperLoss = losses.copperLoss;
    c.temperatureRise = losses.temperatureRise;
    c.buildFill = losses.buildFill;
    c.totalLoss = std::isnan(c.copperLoss) ? c.coreLoss : c.coreLoss + c.copperLoss;
    c.mass = losses.mass;
    c.massEstimated = std::isnan(c.mass) && !std::isnan(c.volume);
    if (c.massEstimated) c.mass = c.volume * kFerriteDensity;
    c.reasons.clear();
    for (const CandidateCheck& check : c.checks)
        if (check.severity == kSeverityError) c.reasons.push_back(check.text);
    c.works = c.reasons.empty();
}

}  // namespace fb
