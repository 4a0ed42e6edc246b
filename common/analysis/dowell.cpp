#include "common/analysis/dowell.h"

#include <cmath>

namespace fb {

double SkinDepth(double fHz, double rho) {
    if (!(fHz > 0) || !(rho > 0)) return INFINITY;
    return std::sqrt(rho / (M_PI * fHz * kMu0)) * 1000.0;
}

double DowellFactor(double delta, double m) {
    if (!(delta > 0) || !(m > 0)) return 1.0;
    const double k = 2.0 * (m * m - 1.0) / 3.0;
    // Below 1e-3 the differences lose digits; the series of Dowell's expression is exact there.
    if (delta < 1e-3) return 1.0 + (5.0 * m * m - 1.0) / 45.0 * std::pow(delta, 4);
    // Above 20 both ratios are 1 to double precision and sinh would overflow further on.
    if (delta > 20) return delta * (1.0 + k);
    // One exponential and one sine/cosine pair give all eight functions (this runs per harmonic).
    const double e = std::exp(delta), ei = 1 / e;
    const double sh = (e - ei) / 2, ch = (e + ei) / 2;
    const double sn = std::sin(delta), cs = std::cos(delta);
    const double sh2 = 2 * sh * ch, ch2 = ch * ch + sh * sh, sn2 = 2 * sn * cs, cs2 = cs * cs - sn * sn;
    const double skin = (sh2 + sn2) / (ch2 - cs2);
    const double proximity = (sh - sn) / (ch + cs);
    return delta * (skin + k * proximity);
}

double PenetrationRatio(double d_mm, double skinDepth_mm, double eta) {
    if (!(skinDepth_mm > 0) || !(eta > 0)) return 0;
    return std::sqrt(M_PI / 4) * d_mm / skinDepth_mm * std::sqrt(eta);
}

double HarmonicAcFactor(const HarmonicContent& current, double delta1, double m) {
    if (!(current.total2 > 0)) return 1.0;
    double p = current.dc2;
    double last = 1.0;
    for (size_t i = 0; i < current.rms2.size(); ++i) {
        last = DowellFactor(delta1 * std::sqrt(double(i + 1)), m);
        p += current.rms2[i] * last;
    }
    p += current.rest2 * last;
    return p / current.total2;
}

}  // namespace fb
