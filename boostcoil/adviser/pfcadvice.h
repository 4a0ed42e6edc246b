#pragma once
// The adviser's evaluator for the PFC choke: the design of the form's requirements with another
// core and material, in gap mode, its messages collected rather than shown.
#include <string>

#include "boostcoil/design/pfc.h"
#include "common/adviser/adviceanalysis.h"
#include "common/adviser/sweepfile.h"

namespace fb {

// Each candidate is CalculateChoke of the form in gap mode (GapModeCandidateInput) with
// AnalyseChokeDesign on it (the core's geometry by its record).
Evaluator PfcEvaluator(PfcInput form, CWireTable wires, AdviceAnalysis analysis = {});

// `boostcoil-calc --sweep FILE`: the wire table and the design file as boostcoil-calc reads
// them, then the sweep of the file's requirements over every core and material of dataRoot,
// analysed with the geometry files of dataRoot and `losses`.
SweepRun SweepPfcFile(const std::string& dataRoot, const std::string& file, const SweepOptions& options = {},
                      const LossOptions& losses = {});

}  // namespace fb
