#pragma once
// Eddy-current loss of round-wire windings in layers: the skin depth of copper, Dowell's
// factor for one sinusoidal frequency, and its sum over the harmonics of a winding current.
#include <vector>

namespace fb {

constexpr double kMu0 = 4e-7 * 3.14159265358979323846;  // H/m

// Skin depth of copper, mm, at f (Hz) and resistivity rho (Ω·m): sqrt(rho/(π f μ0)).
double SkinDepth(double fHz, double rho);

// Dowell's ratio Rac/Rdc of a winding portion of m layers (MMF rising from 0 across it) carrying
// a sinusoidal current, for the penetration ratio delta = h/δ·√η of the equivalent foil layer.
// P. L. Dowell, "Effects of eddy currents in transformer windings", Proc. IEE 113(8), 1966:
//   F = Δ·[(sinh 2Δ + sin 2Δ)/(cosh 2Δ − cos 2Δ) + 2(m² − 1)/3·(sinh Δ − sin Δ)/(cosh Δ + cos Δ)].
// m may be fractional (0.5 is a layer with opposite fields on its faces, as in an interleaved
// section). Holds for a one-dimensional field along full-width layers; poor below porosity ~0.5.
double DowellFactor(double delta, double m);

// The round wire of diameter d (mm) in layers at a pitch across the layer that leaves the
// porosity eta = layer copper width / window width: the equal-area square of side
// h = √(π/4)·d gives Δ = h/δ·√η (Dowell; the round-to-square step as in Hurley & Wölfle,
// "Transformers and Inductors for Power Electronics", Wiley 2013, ch. 4).
double PenetrationRatio(double d_mm, double skinDepth_mm, double eta);

// One winding current split by frequency: the DC part and the RMS² of harmonics 1…N of the
// switching frequency, plus what the listed harmonics leave of the total RMS² (the rest, at
// higher frequencies).
struct HarmonicContent {
    double dc2 = 0;            // A²
    std::vector<double> rms2;  // A², index n-1 for harmonic n
    double rest2 = 0;          // A² above the last harmonic
    double total2 = 0;         // A², the whole RMS²
};

// Effective Rac/Rdc of a current with several harmonics (Hurley & Wölfle ch. 4; Erickson &
// Maksimović, "Fundamentals of Power Electronics", 2nd ed., §12.4.4): each harmonic n is lost at
// Dowell's factor with Δ·√n, the DC part at 1, and the rest above the last harmonic at the last
// harmonic's factor (a lower bound). Δ1 is the penetration ratio at the fundamental.
double HarmonicAcFactor(const HarmonicContent& current, double delta1, double m);

}  // namespace fb
