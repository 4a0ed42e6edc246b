#pragma once
// The adviser's evaluator for the PFC choke: the design of the form's requirements with another
// core and material, in gap mode, its messages collected rather than shown.
#include <functional>
#include <string>
#include <vector>

#include "boostcoil/design/pfc.h"
#include "common/adviser/candidate.h"
#include "common/adviser/sweep.h"
#include "common/adviser/sweepfile.h"

namespace fb {

// Where the design checks and the losses analysis plug in; unset, the engine's own numbers
// decide whether a candidate works and the copper loss, temperature rise and build fill stay
// unknown.
struct PfcAdviceHooks {
    std::function<std::vector<CandidateCheck>(const PfcResult&, const CoreRecord&, const CMaterial&)> checks;
    std::function<CandidateLosses(const PfcResult&, const CoreRecord&, const CMaterial&)> losses;
};

// The single design of a candidate: the form with the core and material names replaced, gap
// mode, starting from the form's gap (from 0 when the form holds an AL).
PfcInput PfcCandidateInput(const PfcInput& form, const std::string& core, const std::string& material);

Candidate PfcCandidate(const PfcInput& form, const CoreRecord& core, const CMaterial& material,
                       const CWireTable& wires, const PfcAdviceHooks& hooks = {});

// An evaluator for RunSweep holding its own copies of the form and the wire table.
Evaluator PfcEvaluator(PfcInput form, CWireTable wires, PfcAdviceHooks hooks = {});

// `boostcoil-calc --sweep FILE`: the wire table and the design file as boostcoil-calc reads
// them, then the sweep of the file's requirements over every core and material of dataRoot.
SweepRun SweepPfcFile(const std::string& dataRoot, const std::string& file, const SweepOptions& options = {},
                      const PfcAdviceHooks& hooks = {});

}  // namespace fb
