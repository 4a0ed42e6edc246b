#pragma once
// The design checks and the additional figures of a PFC choke run: reads what CalculateChoke
// produced and hands plain numbers to the shared rules of common/analysis.
#include "boostcoil/design/pfc.h"
#include "common/analysis/checksfigures.h"
#include "common/analysis/designchecks.h"

namespace fb {

// Figures beside the method's: true RMS currents over a line cycle at the lowest line voltage
// (the method gives the values at its crest) and the worst switching ripple over the range.
struct PfcExtra {
    double IrmsChoke = 0, IrmsSwitch = 0, IrmsCap = 0;  // A, at Umin over the line cycle
    double rippleWorst = 0;                             // A peak-to-peak
    double rippleLine = 0;                              // V RMS, line voltage where it occurs
    double rippleSized = 0;    // A, the ripple the choke was sized for (Irip % of the crest current)
    double insulatedFill = 0;  // window fill counted with the insulated wire diameter
    Figures ToFigures() const;
};

PfcExtra PfcFigures(const PfcResult& r, const CWireTable& wires);

Checks CheckPfc(const PfcResult& r, const CMaterial& material, const CWireTable& wires);
// The same with the figures already computed (PfcFigures of the same result).
Checks CheckPfc(const PfcResult& r, const CMaterial& material, const PfcExtra& extra);

}  // namespace fb
