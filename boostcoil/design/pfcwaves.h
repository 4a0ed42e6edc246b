#pragma once
// Plot data of a PFC choke design: the waveform inputs taken from the design's result.
#include "boostcoil/design/pfc.h"
#include "common/analysis/waveforms.h"

namespace fb {

// Mains range, output voltage, frequency and inductance as the design used them.
PfcWaveInput PfcWaveInputOf(const PfcResult& r);

// The plots window's and the report's data; invalid (with a note) when nothing was designed.
PlotSet PfcPlots(const PfcResult& r);

}  // namespace fb
