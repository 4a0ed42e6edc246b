#pragma once
// The design checks on the winding build-up, copper loss and temperature of a finished design:
// the same Check list as the design checks, read from the losses analysis alone.
#include "common/analysis/designchecks.h"
#include "common/analysis/lossanalysis.h"

namespace fb {

// The hottest point a MnZn power ferrite part is allowed to reach when the material file gives
// no rated temperature (none of the shipped ones does). Their permitted flux is derated from
// saturation at 100 °C, and saturation keeps falling above it (N87: 0.39 T at 100 °C, about
// 0.33 T at 150 °C per the maker's data sheet) while the core loss past its minimum near
// 80…100 °C rises with temperature: above 125 °C a part risks thermal runaway of the core
// loss, and 125 °C is also below the 130 °C of the commonest enamelled wire (thermal class B).
constexpr double kFerriteHotSpot_C = 125;

// Above this Rac/Rdc the proximity loss dominates a winding's copper loss.
constexpr double kAcFactorLimit = 2;

// Appends to `out`: "build_not_fit" (error) when the windings do not fit on the former,
// "temperature_rise" (warning) above the analysis's rise limit, "hot_spot_rated" (error) above
// ratedHotSpot_C, "ac_resistance_ratio" (warning) per winding with Rac/Rdc above 2, and notes
// "losses_not_analysed" (the analysis is not valid: why) and "geometry_estimated".
void CheckLosses(const LossAnalysis& a, Checks& out, double ratedHotSpot_C = kFerriteHotSpot_C);

// CheckLosses on a design whose own checks are in `design`, unless they found results that are
// not numbers ("not_finite"): a build-up and losses from such turns would say nothing.
void AddLossChecks(const LossAnalysis& a, Checks& design, double ratedHotSpot_C = kFerriteHotSpot_C);

}  // namespace fb
