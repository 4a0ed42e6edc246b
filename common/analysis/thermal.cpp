#include "common/analysis/thermal.h"

#include <cmath>

namespace fb {

double CopperResistivity(double T) { return kRho20 * (1 + kAlphaCu * (T - 20)); }

double DcResistance(double turns, double mlt_mm, double strands, double d_mm, double rho) {
    const double area = strands * M_PI * d_mm * d_mm / 4 * 1e-6;  // m²
    return rho * turns * mlt_mm * 1e-3 / area;
}

ConvectionRise TemperatureRise(double P_W, double surface_cm2) {
    ConvectionRise r;
    if (!(surface_cm2 > 0) || !(P_W > 0)) return r;
    r.density = P_W * 1000 / surface_cm2;
    r.deltaT = std::pow(r.density, 0.833);
    return r;
}

}  // namespace fb
