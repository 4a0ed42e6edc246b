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

CurrentShape RippleShape(double dI, double D) { return CurrentShape{{{0, -dI / 2}, {D, dI / 2}, {1, -dI / 2}}}; }

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
    // ∫ i(t)·e^{-jωt} dt over a straight piece is [e^{-jωt}·(j·i/ω + s/ω²)] between its ends (s the
    // slope). e^{-j2πnt} of each corner comes from the n-th power of its first harmonic.
    const size_t K = c.size();
    std::vector<std::complex<double>> base(K), power(K, 1.0);
    for (size_t k = 0; k < K; ++k) base[k] = std::polar(1.0, -2 * M_PI * c[k].t);
    double listed = h.dc2;
    for (int n = 1; n <= count; ++n) {
        const double w = 2 * M_PI * n;
        for (size_t k = 0; k < K; ++k) power[k] *= base[k];
        std::complex<double> C(0, 0);
        for (size_t k = 1; k < K; ++k) {
            const double dt = c[k].t - c[k - 1].t;
            if (!(dt > 0)) continue;
            const double s = (c[k].i - c[k - 1].i) / dt;
            C += power[k] * std::complex<double>(s / (w * w), c[k].i / w) -
                 power[k - 1] * std::complex<double>(s / (w * w), c[k - 1].i / w);
        }
        // Peak 2|C|, so RMS² = 2|C|².
        h.rms2[n - 1] = 2 * std::norm(C);
        listed += h.rms2[n - 1];
    }
    h.rest2 = std::max(0.0, h.total2 - listed);
    return h;
}

}  // namespace fb
