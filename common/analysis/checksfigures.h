#pragma once
// Additional figures beside the method's own: what the line cycle, the bulk capacitor and the
// current-limit trip point really give. Plain numbers with units; the method's results stay.
#include <string>
#include <vector>

namespace fb {

// One additional figure for a window list or a report: key (ASCII), Russian label, value, unit.
struct Figure {
    std::string key;
    std::string label;
    double value = 0;
    std::string unit;
};
using Figures = std::vector<Figure>;

// JSON object {key: number, …} (null for a value that is not finite), compact, locale-free.
std::string FiguresJson(const Figures& figures);
// "label: value unit" lines, values with three decimals.
std::vector<std::string> FiguresReportLines(const Figures& figures);

// ---- Boost PFC in continuous conduction over one line half-cycle ----

struct PfcLineCycleInput {
    double Uline = 0;  // V RMS
    double Iline = 0;  // A RMS of the (sinusoidal) line current
    double Uout = 0;   // V
    double Iout = 0;   // A DC load current
    double L = 0;      // µH
    double f = 0;      // kHz
};
struct PfcLineCycleRms {
    double choke = 0, sw = 0, diode = 0, cap = 0;  // A RMS over the line cycle
};
// Averages the switching-period RMS values over the half-cycle (midpoint rule, 2000 steps):
// iL = √2·Iline·sinθ, d = 1 − vin/Uout, triangle ripple ΔI = vin·d/(L·f), so per period
// choke² = iL² + ΔI²/12, switch² = d·choke², diode² = (1 − d)·choke². The diode current is
// scaled so that its mean is Iout; the capacitor carries the diode current less Iout.
// Without ripple this is the closed form of Erickson & Maksimović, Fundamentals of Power
// Electronics, 2nd ed., ch. 18 (RMS values of the boost rectifier's waveforms): Iswitch = Iline·√(1 − 8√2·U/(3π·Uout)),
// Icap = Iout·√(8√2·Uout/(3π·U) − 1). Valid in continuous conduction; the cusps near the
// zero crossings, where the ripple exceeds the current, are counted as if continuous.
PfcLineCycleRms PfcRmsOverLineCycle(const PfcLineCycleInput& in);

struct PfcWorstRipple {
    double dI = 0;     // A peak-to-peak
    double Uline = 0;  // V RMS of the line voltage where it occurs
};
// ΔI(vin) = vin·(1 − vin/Uout)/(L·f) peaks at vin = Uout/2 with Uout/(4·L·f); a line voltage
// whose crest reaches Uout/2 passes through it. The lowest such voltage in Umin…Umax is
// reported; when no crest reaches it, the crest of Umax gives the worst (the boost volt-second
// balance vin·D = (Uout − vin)·(1 − D) over one switching period).
// (`struct`: waveforms.h has a function of the same name, and a file may include both.)
struct PfcWorstRipple PfcWorstCaseRipple(double Umin, double Umax, double Uout, double L, double f);

// ---- Bridge rectifier and bulk capacitor of an off-line supply ----

struct DcBus {
    double valley = 0;  // V, lowest bus voltage at the line voltage given
    double peak = 0;    // V, crest of the line voltage
};
// The standard hold-up model of off-line design guides (Power Integrations' application notes
// use it with tc = 3 ms): the capacitor charges to √2·U at the crest and then feeds the input
// power alone for the rest of the half-cycle, t = 1/(2·fline) − tc:
// valley² = peak² − 2·Pin·t/C. Bridge-diode drops and the ripple of the charge are neglected.
// A capacitor too small to hold the bus gives a valley of 0. Pin in W, C in µF.
DcBus DcBusAt(double Uac, double Pin, double C, double fline = 50, double tc = 0.003);

}  // namespace fb
