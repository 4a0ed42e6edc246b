#pragma once
// The winding build-up, copper loss, temperature rise and leakage of a finished flyback design.
#include "common/analysis/lossanalysis.h"
#include "common/data/wiretable.h"
#include "flyback/design/flyback.h"

namespace fb {

// The windings as the outcome gives them (turns, strands, wires), with the currents at the
// lowest supply voltage, where the design itself sizes them: the primary a trapezoid from
// Kc·Ipk to Ipk over Dmax (a triangle when Kc = 0), each secondary the matching falling
// trapezoid over 1 − Dmax whose RMS is the secondary RMS current of the outcome. Interleaving
// splits the primary into halves (the larger first) around the secondaries. An outcome that
// was not computed gives an analysis that is not valid.
LossAnalysis AnalyseFlyback(const FlybackOutcome& outcome, const CWireTable& wires, const CoreGeometry& geometry,
                            const LossOptions& options);

}  // namespace fb
