#pragma once
// The two calculations of the RCD clamper window: the clamp capacitor, resistor and diode
// for the overshoot caused by the primary's leakage inductance, and the estimate of that
// leakage inductance from two measured ringing periods. Plain functions over texts, so the
// window and flyback-calc show the same results from the same code.
#include <string>
#include <utility>
#include <vector>

#include "common/files/fieldcatalogue.h"

namespace fb {

// The clamper window's input texts, as typed or as handed in by the main window.
struct ClamperInput {
    std::string Urefl;      // V, reflected voltage (transformer result 1122)
    std::string Uclamp;     // V, wanted overshoot above Urefl (direct mode)
    std::string Ures;       // V, residual voltage above Urefl at the end of the overshoot
    std::string Ipk;        // A, primary peak current (transformer result 1093)
    std::string Ls;         // µH, leakage inductance
    std::string Fconv;      // kHz, switching frequency
    std::string Cclamp;     // nF, clamp capacitance (reverse mode input, direct mode output)
    std::string Ceq;        // pF, drain-node capacitance in parallel with the clamp capacitor
    std::string L1;         // µH or mH, primary inductance (transformer result 1102)
    std::string L1unit;     // unit label of L1 (1144); only "мГн" means millihenry
    std::string TL1;        // µs, ringing period with L1
    std::string TLs;        // µs, ringing period with Ls
    bool reverse = false;   // false: capacitance from overshoot; true: overshoot from capacitance
    bool transfer = false;  // copy the estimates into Ceq and Ls
};

struct ClamperResult {
    std::string CclampText;  // nF, direct mode
    std::string UclampCalc;  // V, reverse mode
    std::string Rslow, Pslow;
    std::string Rfast, Pfast;
    std::string Diode;
    std::string CeqEst;  // pF
    std::string LsEst;   // µH
};

// Control IDs of the clamper window.
namespace clamperid {
constexpr int Urefl = 1050, Uclamp = 1038, Cclamp = 1013, Ipk = 1027, Fconv = 1017, Ls = 1029, Ceq = 1014, Ures = 1239,
              L1 = 1028, L1unit = 1143, TL1 = 1031, TLs = 1032;
constexpr int DirectRadio = 1081, ReverseRadio = 1080, Transfer = 1001;
constexpr int FirstResult = 1086, FirstLabel = 1087, FirstUnit = 1142;
constexpr int Rslow = 1109, Pslow = 1106, Diode = 1089, Rfast = 1110, Pfast = 1107, LsEst = 1104, CeqEst = 1088;
}  // namespace clamperid

// The transformer's reflected voltage, a result of the main form handed in as an input here.
inline const char* const kReflectedVoltage = "Отраженное напряжение";
inline const char* const kReflectedVoltageEn = "Reflected voltage";

// One text field of the clamper window: its name (the settings key where it has one), its
// control, its member, caption and unit. Drives the window's data exchange and layout rows
// and the CLI's keys and report.
struct ClamperField {
    const char* name;
    int control;
    std::string ClamperInput::*text;
    const char* caption;
    const char* captionEn;
    const char* unit;      // "" for L1, whose unit is the label L1unit
    const char* tip = "";  // the edit's tooltip
};
const std::vector<ClamperField>& ClamperFields();
const ClamperField& ClamperFieldOf(const std::string& name);

// The results of the window with caption and unit (1086 takes both from ModeLabels).
const std::vector<ResultField>& ClamperResultFields();

// Direct mode: the capacitance for the wanted overshoot (also written into in.Cclamp);
// reverse mode: the overshoot the given capacitance yields. Then the resistors, their
// powers and the slow diode. Sets the top results of `out`, leaving the estimates alone;
// every numeric input text has its commas turned into points.
void CalculateClamper(ClamperInput& in, ClamperResult& out);

// Drain capacitance and leakage inductance from the two ringing periods; with `transfer`
// set they also become the Ceq and Ls inputs. Sets only CeqEst and LsEst of `out`.
void EstimateLeakage(ClamperInput& in, ClamperResult& out);

// The label 1087 and unit label 1142 of the first result for a mode.
struct ClamperModeLabels {
    const char* label;
    const char* unit;
};
ClamperModeLabels ModeLabels(bool reverse);

// Every result control with its text as the window shows it (1086 by mode), in form order.
std::vector<std::pair<int, std::string>> ClamperResultTexts(const ClamperInput& in, const ClamperResult& out);
// False when a result text shows a value that is not finite (a zero frequency, say): the
// window then gives the engines' one message (NotFiniteWarning) saying why.
bool ClamperResultsFinite(const ClamperInput& in, const ClamperResult& out);

// Formats of the result texts, exposed for their band edges.
std::string FormatClampCapacitance(double nF);
std::string FormatResistor(double kOhm);
const char* SlowDiodeFor(double Ipk);

}  // namespace fb
