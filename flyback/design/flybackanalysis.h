#pragma once
// The whole analysis of a finished flyback design: design checks, loss checks, figures, losses.
#include "common/analysis/designanalysis.h"
#include "flyback/design/flyback.h"

namespace fb {

// `geometry` is the core's (CCoreGeometry::For); capacitance in µF, 0 takes the input capacitor
// the method recommends. An outcome that was not computed gets its not_computed check and an
// analysis that is not valid, without loss checks.
DesignAnalysis AnalyseFlybackDesign(const FlybackOutcome& outcome, const CoreRecord& core, const CMaterial& material,
                                    const CWireTable& wires, const CoreGeometry& geometry, const LossOptions& options,
                                    double capacitance = 0);

}  // namespace fb
