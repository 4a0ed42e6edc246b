#include "common/analysis/checksfigures.h"

#include <array>
#include <cmath>

#include "common/analysis/designchecks.h"
#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {

std::string FiguresJson(const Figures& figures) {
    std::string s = "{";
    for (size_t i = 0; i < figures.size(); ++i)
        s += (i ? "," : "") + JsonQuoted(figures[i].key) + ":" + JsonNumber(figures[i].value);
    return s + "}";
}

std::vector<std::string> FiguresReportLines(const Figures& figures) {
    std::vector<std::string> lines;
    for (const Figure& f : figures)
        lines.push_back(Localized(f.label) + ": " + F3(f.value) + (f.unit.empty() ? "" : " " + Localized(f.unit)));
    return lines;
}

namespace {

constexpr int kSteps = 2000;

// The midpoints' sines are the same for every design: computed once, not 2000 times a design
// (the adviser runs this for every candidate).
const std::array<double, kSteps>& LineSines() {
    static const std::array<double, kSteps> sines = [] {
        std::array<double, kSteps> t{};
        const double pi = std::acos(-1.0);
        for (int k = 0; k < kSteps; ++k) t[k] = std::sin(pi * (k + 0.5) / kSteps);
        return t;
    }();
    return sines;
}

}  // namespace

PfcLineCycleRms PfcRmsOverLineCycle(const PfcLineCycleInput& in) {
    const std::array<double, kSteps>& sines = LineSines();
    double choke2 = 0, sw2 = 0, diode2 = 0, diodeMean = 0;
    for (int k = 0; k < kSteps; ++k) {
        const double s = sines[k];
        const double vin = std::sqrt(2.0) * in.Uline * s;
        const double d = vin < in.Uout ? 1 - vin / in.Uout : 0;
        const double iL = std::sqrt(2.0) * in.Iline * s;
        // ΔI in A from V, µH and kHz.
        const double dI = in.L > 0 && in.f > 0 ? 1000 * vin * d / (in.L * in.f) : 0;
        const double period2 = iL * iL + dI * dI / 12;
        choke2 += period2;
        sw2 += d * period2;
        diode2 += (1 - d) * period2;
        diodeMean += (1 - d) * iL;
    }
    choke2 /= kSteps, sw2 /= kSteps, diode2 /= kSteps, diodeMean /= kSteps;
    PfcLineCycleRms r;
    r.choke = std::sqrt(choke2);
    r.sw = std::sqrt(sw2);
    // The line current carries the losses too; the diode delivers exactly the load current.
    const double scale = diodeMean > 0 ? in.Iout / diodeMean : 0;
    r.diode = std::sqrt(diode2) * scale;
    r.cap = std::sqrt(std::fmax(0.0, r.diode * r.diode - in.Iout * in.Iout));
    return r;
}

PfcWorstRipple PfcWorstCaseRipple(double Umin, double Umax, double Uout, double L, double f) {
    auto ripple = [&](double vin) { return 1000 * vin * (1 - vin / Uout) / (L * f); };
    const double Uhalf = Uout / (2 * std::sqrt(2.0));  // line RMS whose crest is Uout/2
    PfcWorstRipple w;
    if (Uhalf <= Umax) {
        w.Uline = std::fmax(Umin, Uhalf);
        w.dI = ripple(Uout / 2);
    } else {
        w.Uline = Umax;
        w.dI = ripple(std::sqrt(2.0) * Umax);
    }
    return w;
}

DcBus DcBusAt(double Uac, double Pin, double C, double fline, double tc) {
    DcBus b;
    b.peak = std::sqrt(2.0) * Uac;
    const double t = 1 / (2 * fline) - tc;
    const double v2 = b.peak * b.peak - 2 * Pin * t / (C * 1e-6);
    b.valley = v2 > 0 ? std::sqrt(v2) : 0;
    return b;
}

}  // namespace fb
