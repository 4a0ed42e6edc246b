#pragma once
// The whole analysis of a finished PFC choke design: design checks, loss checks, figures, losses.
#include "boostcoil/design/pfc.h"
#include "common/analysis/designanalysis.h"

namespace fb {

// `geometry` is the core's (CCoreGeometry::For). A result that was not calculated gets its
// not_computed check and an analysis that is not valid, without loss checks.
DesignAnalysis AnalyseChokeDesign(const PfcResult& result, const CMaterial& material, const CWireTable& wires,
                                  const CoreGeometry& geometry, const LossOptions& options);

}  // namespace fb
