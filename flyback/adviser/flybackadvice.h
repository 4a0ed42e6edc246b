#pragma once
// The adviser's evaluator for the flyback transformer: the design of the form's requirements
// with another core and material, in gap mode, its messages collected rather than shown.
#include <string>

#include "common/adviser/adviceanalysis.h"
#include "common/adviser/sweepfile.h"
#include "flyback/design/flyback.h"

namespace fb {

// Each candidate is DesignFlyback of the form in gap mode (GapModeCandidateInput: the
// correction raises the gap to what the core needs) with AnalyseFlybackDesign on it, so its
// checks and losses are those of the single design of the pair. Every candidate designs on its
// own copy of `wires`: the design remembers its wire choice in it.
Evaluator FlybackEvaluator(FlybackInput form, CWireTable wires, AdviceAnalysis analysis = {});

// `flyback-calc --sweep FILE`: the wire table and the design file as flyback-calc reads them
// (`usense` is the current-sense threshold the file does not hold), then the sweep of the
// file's requirements over every core and material of dataRoot, analysed with the geometry files
// of dataRoot, `losses` and the bulk capacitor `capacitance` (µF, 0: the method's).
SweepRun SweepFlybackFile(const std::string& dataRoot, const std::string& file, const std::string& usense,
                          const SweepOptions& options = {}, const LossOptions& losses = {}, double capacitance = 0);

}  // namespace fb
