#pragma once
// The checks of the core and its material that both designs make the same way.
#include "common/analysis/designchecks.h"
#include "common/data/material.h"

namespace fb {

// A design's figures for those checks.
struct CoreUseData {
    double Bpk = 0, Blim = 0;   // T: peak flux and the method's permitted peak
    double Ipk = 0, Itrip = 0;  // A: full-load peak current and the current-limit trip
    double insulatedFill = 0;   // window fill with insulated wires
    double f = 0, Bac = 0;      // kHz, T: where the loss lookup reads the material table
};

// Peak flux, the trip point and the window fill (against the method's 0.3); the range of the
// loss table when the material has a usable one.
void CheckCoreUse(const CoreUseData& d, const CMaterial& material, Checks& out);

}  // namespace fb
