#pragma once
// Plot data of a flyback design: the waveform inputs taken from a run's outcome.
#include "common/analysis/waveforms.h"
#include "flyback/design/flyback.h"

namespace fb {

// The operating points of the outcome (supply as the design used it, ×1.35 for AC mains),
// the clamper's overshoot text and the material's flux limit.
FlybackWaveInput FlybackWaveInputOf(const FlybackOutcome& out, const CMaterial& material);

// The plots window's and the report's data; invalid (with a note) when the run was stopped.
PlotSet FlybackPlots(const FlybackOutcome& out, const CMaterial& material);

}  // namespace fb
