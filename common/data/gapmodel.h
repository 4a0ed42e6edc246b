#pragma once
// The gap model both designs share: the AL value a gapped ferrite core gives, and the gap an
// AL value needs. A core either carries a measured power law AL = k1 * gap^k2, or the model
// treats it as a core of material permeability with the residual gap g0 its catalogued
// permeability implies, plus the entered gap shortened by a fringing factor.
#include <string>

namespace fb {

// The permeability of vacuum in design units: AL [nH] = kMu0 * mu * Ae [mm²] / le [mm].
constexpr double kMu0 = 1.2566370614359172;

// What the model needs to know about the core and its material.
struct GapCore {
    double Ae = 0;   // mm²
    double le = 0;   // mm
    double g0 = 0;   // residual gap, mm (ResidualGap)
    double mui = 0;  // initial permeability of the material
    double k1 = 0;   // AL law AL = k1 * gap^k2 (nH, mm); used only when both are non-zero
    double k2 = 0;
    bool HasAlLaw() const { return k1 != 0 && k2 != 0; }
};

// The equivalent gap already contained in the core's catalogued permeability muCore:
// le/muCore - le/mui (mm).
double ResidualGap(double le, double muCore, double mui);

// AL (nH/turn²) of the core with the gap `gap` (mm). Ffr is set to 1 and, when the fringing
// model is used (no AL law and a gap above 0), to the fringing factor of that gap.
// A gap of 0 or less is the ungapped core: mui * kMu0 * Ae / le.
double ALForGap(double gap, const GapCore& core, double& Ffr);

// The gap (mm) that gives the AL value `AL` (nH/turn²). With the AL law the law is inverted
// and Ffr stays as it is; otherwise exactly five fixed-point steps run from the given Ffr,
// which is left at the value of the last step.
double GapForAL(double AL, const GapCore& core, double& Ffr);

// The gap the model can hold must stay below this (mm): the fringing term ln(le / 3g) changes
// sign at a third of the magnetic path, where the factor would shrink the gap instead of
// widening it. A correction never writes a gap at or above it, nor one that is no number.
double GapModelLimit(double le);
bool GapModelHolds(double gap, double le);
// Why a design stopped instead of writing such a gap, and what to change (both programs).
std::string GapBeyondModelText(double gap, double le);

}  // namespace fb
