#include "common/analysis/waveform.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace fb {

CurrentShape SwitchOnShape(double Ivalley, double Ipeak, double D) {
    return CurrentShape{{{0, Ivalley}, {D, Ipeak}, {D, 0}, {1, 0}}};
}

CurrentShape SwitchOffShape(double Ivalley, double Ipeak, double D) {
    return CurrentShape{{{0, 0}, {D, 0}, {D, Ipeak}, {1, Ivalley}}};
}

CurrentShape RippleShape(double dI, double D) {
    return CurrentShape{{{0, -dI / 2}, {D, dI / 2}, {1, -dI / 2}}};
}

namespace {

// ∫ i(t)·e^{-jωt} dt over one straight piece from (t0, i0) to (t1, i1):
// [−i·e^{-jωt}/(jω) + s·e^{-jωt}/ω²] between the ends, s the slope.
std::complex<double> PieceIntegral(double t0, double i0, double t1, double i1, double w) {
    const std::complex<double> j(0, 1);
    const double s = (i1 - i0) / (t1 - t0);
    auto at = [&](double t, double i) {
        const std::complex<double> e = std::exp(-j * w * t);
        return -i * e / (j * w) + s * e / (w * w);
    };
    return at(t1, i1) - at(t0, i0);
}

}  // namespace

HarmonicContent Harmonics(const CurrentShape& shape, int count) {
    HarmonicContent h;
    std::vector<CurrentShape::Corner> c = shape.corners;
    if (c.empty()) return h;
    if (c.back().t < 1) c.push_back({1, c.back().i});
    double mean = 0;
    for (size_t k = 1; k < c.size(); ++k) {
        const double dt = c[k].t - c[k - 1].t;
        if (!(dt > 0)) continue;
        const double a = c[k - 1].i, b = c[k].i;
        mean += (a + b) / 2 * dt;
        h.total2 += (a * a + a * b + b * b) / 3 * dt;
    }
    h.dc2 = mean * mean;
    h.rms2.assign(std::max(count, 0), 0.0);
    double listed = h.dc2;
    for (int n = 1; n <= count; ++n) {
        const double w = 2 * M_PI * n;
        std::complex<double> C(0, 0);
        for (size_t k = 1; k < c.size(); ++k)
            if (c[k].t - c[k - 1].t > 0) C += PieceIntegral(c[k - 1].t, c[k - 1].i, c[k].t, c[k].i, w);
        // Peak 2|C|, so RMS² = 2|C|².
        h.rms2[n - 1] = 2 * std::norm(C);
        listed += h.rms2[n - 1];
    }
    h.rest2 = std::max(0.0, h.total2 - listed);
    return h;
}

}  // namespace fb
