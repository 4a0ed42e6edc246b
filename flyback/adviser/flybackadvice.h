#pragma once
// The adviser's evaluator for the flyback transformer: the design of the form's requirements
// with another core and material, in gap mode, its messages collected rather than shown.
#include <string>
#include <vector>

#include "common/adviser/adviceanalysis.h"
#include "common/adviser/candidate.h"
#include "common/adviser/sweep.h"
#include "common/adviser/sweepfile.h"
#include "flyback/design/flyback.h"

namespace fb {

// The single design of a candidate: the form with the core and material names replaced, gap
// mode, starting from the form's gap (from 0 when the form holds an AL: an AL belongs to the
// core it was typed for). The correction raises the gap to what the core needs.
FlybackInput FlybackCandidateInput(const FlybackInput& form, const std::string& core, const std::string& material);

// Designs one candidate and runs AnalyseFlybackDesign on it: the candidate's checks and losses
// are those of the single design of the pair. `wires` is copied: the design remembers its wire
// choice in it.
Candidate FlybackCandidate(const FlybackInput& form, const CoreRecord& core, const CMaterial& material,
                           const CWireTable& wires, const AdviceAnalysis& analysis = {});

// An evaluator for RunSweep holding its own copies of the form, the wire table and the analysis
// settings (the geometry is shared, read-only).
Evaluator FlybackEvaluator(FlybackInput form, CWireTable wires, AdviceAnalysis analysis = {});

// `flyback-calc --sweep FILE`: the wire table and the design file as flyback-calc reads them
// (`usense` is the current-sense threshold the file does not hold), then the sweep of the
// file's requirements over every core and material of dataRoot, analysed with the geometry files
// of dataRoot, `losses` and the bulk capacitor `capacitance` (µF, 0: the method's).
SweepRun SweepFlybackFile(const std::string& dataRoot, const std::string& file, const std::string& usense,
                          const SweepOptions& options = {}, const LossOptions& losses = {}, double capacitance = 0);

}  // namespace fb
