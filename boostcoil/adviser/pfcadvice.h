#pragma once
// The adviser's evaluator for the PFC choke: the design of the form's requirements with another
// core and material, in gap mode, its messages collected rather than shown.
#include <string>
#include <vector>

#include "boostcoil/design/pfc.h"
#include "common/adviser/adviceanalysis.h"
#include "common/adviser/candidate.h"
#include "common/adviser/sweep.h"
#include "common/adviser/sweepfile.h"

namespace fb {

// The single design of a candidate: the form with the core and material names replaced, gap
// mode, starting from the form's gap (from 0 when the form holds an AL).
PfcInput PfcCandidateInput(const PfcInput& form, const std::string& core, const std::string& material);

// Designs one candidate and runs AnalyseChokeDesign on it (the core's geometry by its record).
Candidate PfcCandidate(const PfcInput& form, const CoreRecord& core, const CMaterial& material,
                       const CWireTable& wires, const AdviceAnalysis& analysis = {});

// An evaluator for RunSweep holding its own copies of the form, the wire table and the analysis
// settings (the geometry is shared, read-only).
Evaluator PfcEvaluator(PfcInput form, CWireTable wires, AdviceAnalysis analysis = {});

// `boostcoil-calc --sweep FILE`: the wire table and the design file as boostcoil-calc reads
// them, then the sweep of the file's requirements over every core and material of dataRoot,
// analysed with the geometry files of dataRoot and `losses`.
SweepRun SweepPfcFile(const std::string& dataRoot, const std::string& file, const SweepOptions& options = {},
                      const LossOptions& losses = {});

}  // namespace fb
