#pragma once
// The adviser's evaluator for the flyback transformer: the design of the form's requirements
// with another core and material, in gap mode, its messages collected rather than shown.
#include <functional>
#include <string>
#include <vector>

#include "common/adviser/candidate.h"
#include "common/adviser/sweep.h"
#include "common/adviser/sweepfile.h"
#include "flyback/design/flyback.h"

namespace fb {

// Where the design checks and the losses analysis plug in. Unset, the engine's own warnings
// decide whether a candidate works and the copper loss, temperature rise and build fill stay
// unknown.
struct FlybackAdviceHooks {
    // The checks of one design; when set they replace the interim engine rules.
    std::function<std::vector<CandidateCheck>(const FlybackOutcome&, const CoreRecord&, const CMaterial&)> checks;
    // Copper loss, temperature rise, fill of the build and core mass of one design.
    std::function<CandidateLosses(const FlybackOutcome&, const CoreRecord&, const CMaterial&)> losses;
};

// The single design of a candidate: the form with the core and material names replaced, gap
// mode, starting from the form's gap (from 0 when the form holds an AL: an AL belongs to the
// core it was typed for). The correction raises the gap to what the core needs.
FlybackInput FlybackCandidateInput(const FlybackInput& form, const std::string& core, const std::string& material);

// Designs one candidate. `wires` is copied: the design remembers its wire choice in it.
Candidate FlybackCandidate(const FlybackInput& form, const CoreRecord& core, const CMaterial& material,
                           const CWireTable& wires, const FlybackAdviceHooks& hooks = {});

// An evaluator for RunSweep holding its own copies of the form and the wire table.
Evaluator FlybackEvaluator(FlybackInput form, CWireTable wires, FlybackAdviceHooks hooks = {});

// `flyback-calc --sweep FILE`: the wire table and the design file as flyback-calc reads them
// (`usense` is the current-sense threshold the file does not hold), then the sweep of the
// file's requirements over every core and material of dataRoot.
SweepRun SweepFlybackFile(const std::string& dataRoot, const std::string& file, const std::string& usense,
                          const SweepOptions& options = {}, const FlybackAdviceHooks& hooks = {});

}  // namespace fb
