#pragma once
// Waveforms of a finished design, as plot data: piecewise-linear curves drawn from the
// quantities the design method computed (no engine types here; each program has an adapter
// that fills the inputs below from its outcome). Plain C++, no Qt: the plots window, the
// report and the tests all read the same numbers.
#include <string>
#include <vector>

namespace fb {

// One curve. Breakpoints in order of x; a vertical edge is two points with the same x.
struct PlotSeries {
    enum class Style { Line, Dashed };
    std::string name;  // legend text
    Style style = Style::Line;
    std::vector<double> x, y;
};

// A labelled point (a design point or a worst case), drawn as a marker with its legend text.
struct PlotMark {
    std::string text;
    double x = 0, y = 0;
};

struct Plot {
    std::string id;     // ASCII stem for exported file names, e.g. "primary_current"
    std::string title;  // Russian heading of the chart
    std::string xCaption, xUnit, yCaption, yUnit;
    std::vector<PlotSeries> series;
    std::vector<PlotMark> marks;
};

struct PlotSet {
    bool valid = false;  // false: the design gave nothing to draw (see note)
    std::string title;   // window and report heading
    std::vector<Plot> plots;
    std::vector<std::string> notes;  // model assumptions the reader must know
};

// Peak, valley, mean and RMS of a curve, sampled at `samples` evenly spaced points over its
// x span (midpoint rule, so a vertical edge never counts twice).
struct WaveStats {
    double peak = 0, valley = 0, mean = 0, rms = 0;
};
WaveStats Measure(const PlotSeries& s, int samples = 20000);
// The curve's value at x by linear interpolation (the right-hand value at a vertical edge).
double ValueAt(const PlotSeries& s, double x);

// ---- Flyback: one switching period at minimum, nominal and maximum supply ----
// Source of the shapes: the method's own operating point (primary ramp from Kc·Ipk to Ipk
// during D·T; the secondary carries the method's Ipk2 = 2·I2/((1 + Kc)·(1 − D)) ramping down
// to Kc·Ipk2 over the whole off-time, as the method sizes the secondary wires and capacitors).
// Valid for 0 ≤ Kc < 1 and 0 < D < 1; other values make the set invalid.
struct FlybackLinePoint {
    double U = 0;    // supply after rectification, V
    double D = 0;    // duty cycle
    double Kc = 0;   // continuity (0 = discontinuous)
    double Ipk = 0;  // primary peak current, A
};
struct FlybackWaveInput {
    double Fconv = 0;           // kHz
    FlybackLinePoint line[3];   // minimum, nominal, maximum supply
    double Ur = 0;              // reflected voltage, V
    double Uclamp = 0;          // overshoot above the reflected voltage (clamper input), V
    double Utrmax = 0;          // switch voltage rating, V
    double Bpk = 0;             // peak flux density at line[0], T (scales with Ipk)
    double Blim = 0, Bmax = 0;  // permitted peak flux and the material's limit, T
    struct Secondary {
        int number = 0;  // 1…5
        double I2 = 0;   // load current, A
    };
    std::vector<Secondary> secondaries;
};
PlotSet FlybackWaveforms(const FlybackWaveInput& in);

// The method's secondary peak current for a load current at one operating point.
double FlybackSecondaryPeak(double I2, double D, double Kc);

// ---- PFC choke: half a mains cycle at minimum and maximum mains ----
// Source: the boost PFC in continuous conduction with a sinusoidal input current of RMS Iin
// (R. W. Erickson, D. Maksimović, Fundamentals of Power Electronics, 2nd ed., ch. 18);
// at phase θ the input is u = √2·U·sin θ, the duty d = (U2 − u)/U2, the ripple
// ΔI = 1000·u·d/(F·L) (V, kHz, µH → A); peak and valley are the average ± ΔI/2. The method
// sizes the choke at the crest (θ = 90°); where the valley would fall below zero the choke is
// really discontinuous, so the valley is drawn at zero there. Valid while the mains crest is
// below U2; a crest at or above it is flagged in the notes (the boost cannot regulate).
struct PfcWaveInput {
    double Fr = 0;                    // kHz
    double L = 0;                     // µH
    double U2 = 0;                    // output voltage the method designs for, V
    double Umin = 0, Umax = 0;        // mains RMS, V
    double Iin_min = 0, Iin_max = 0;  // mains RMS current, A
};
PlotSet PfcWaveforms(const PfcWaveInput& in);

// The phase (degrees, 0…90) of the largest ripple for a mains voltage: where the input is
// half the output voltage, or the crest when the crest is below that; and that ripple (A).
struct PfcRipplePoint {
    double phaseDeg = 90, ripple = 0;
};
PfcRipplePoint PfcWorstRipple(const PfcWaveInput& in, double Urms);

}  // namespace fb
