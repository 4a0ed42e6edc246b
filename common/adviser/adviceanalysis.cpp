#include "common/adviser/adviceanalysis.h"

namespace fb {

CoreGeometry AdviceAnalysis::GeometryFor(const CoreRecord& core) const {
    return geometry ? geometry->For(core.name, core.Ae, core.An, core.le)
                    : EstimateCoreGeometry(core.Ae, core.An, core.le);
}

AdviceAnalysis LoadAdviceAnalysis(const std::string& dataRoot, const LossOptions& options) {
    auto geometry = std::make_shared<CCoreGeometry>();
    geometry->Load(dataRoot);  // without the shipped file every core is estimated
    AdviceAnalysis a;
    a.geometry = std::move(geometry);
    a.options = options;
    return a;
}

void TakeAnalysis(const DesignAnalysis& analysis, const CoreGeometry& geometry, Candidate& c) {
    c.checks = CandidateChecks(analysis.checks);
    CandidateLosses losses;
    const LossAnalysis& a = analysis.losses;
    if (a.valid) {
        losses.copperLoss = a.copperLoss;
        losses.temperatureRise = a.rise;
        losses.buildFill = a.buildFill;
    }
    if (geometry.mass > 0) losses.mass = geometry.mass;
    FinishCandidate(c, losses);
    if (geometry.mass > 0) c.massEstimated = geometry.estimated;
}

}  // namespace fb
