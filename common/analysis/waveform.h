#pragma once
// Winding currents over one switching period as piecewise-linear shapes, and their harmonics.
#include <vector>

#include "common/analysis/dowell.h"

namespace fb {

// Corners of the current (A) at times t in [0, 1] of the period, in order; two corners at the
// same t make a jump. The shape is taken as closed: from the last corner back to t = 1 the
// current holds the last value.
struct CurrentShape {
    struct Corner {
        double t;
        double i;
    };
    std::vector<Corner> corners;
};

// Flyback primary at the duty D: from Ivalley at t = 0 rising to Ipeak at t = D, then zero.
// A trapezoid in continuous conduction (Ivalley > 0), a triangle in discontinuous.
CurrentShape SwitchOnShape(double Ivalley, double Ipeak, double D);
// Flyback secondary: zero up to t = D, then Ipeak falling to Ivalley at t = 1.
CurrentShape SwitchOffShape(double Ivalley, double Ipeak, double D);
// Inductor ripple without its mean: a triangle of peak-to-peak dI rising for D, falling for 1 − D.
CurrentShape RippleShape(double dI, double D);

// DC part, RMS² of harmonics 1…count and the rest, from the exact Fourier integrals of the
// linear pieces.
HarmonicContent Harmonics(const CurrentShape& shape, int count);

}  // namespace fb
