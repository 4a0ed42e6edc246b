#pragma once
// The winding build-up, copper loss and temperature rise of a finished PFC choke design.
#include "boostcoil/design/pfc.h"
#include "common/analysis/lossanalysis.h"
#include "common/data/wiretable.h"

namespace fb {

// One winding of N turns of `strands` × dw. Its current: the mains RMS current at the lowest
// mains voltage (line frequency, no eddy loss) plus the switching ripple dI at the crest of
// that voltage as a triangle rising for D_min — the crest ripple taken over the whole mains
// period, which overstates the ripple loss a little (the ripple is smaller off the crest).
// A result that was not calculated gives an analysis that is not valid.
LossAnalysis AnalyseChoke(const PfcResult& result, const CWireTable& wires, const CoreGeometry& geometry,
                          const LossOptions& options);

}  // namespace fb
