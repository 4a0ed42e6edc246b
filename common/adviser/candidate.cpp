#include "common/adviser/candidate.h"

#include <cmath>

namespace fb {

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
