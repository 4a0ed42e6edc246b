#pragma once
// The choke design of the boost power-factor corrector: from the typed inputs, the selected
// core, material and wire table to every result text of the window. Plain C++: no widgets,
// no files; messages are returned as data in the order the window shows them.
#include <map>
#include <string>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/message.h"
#include "common/data/unittext.h"
#include "common/data/wiretable.h"

namespace fb {

// The window's input texts, named after their settings keys; the member initialisers are the
// values the window starts with before any settings file is read.
struct PfcInput {
    std::string core = "E 36/18/11";
    std::string mater = "N87 Epcos";
    std::string zazor = "1";  // gap in mm (yes_al = 0) or AL in nH/turn² (yes_al = 1)
    std::string Fr = "100";   // kHz
    std::string Irip = "40";  // % of the mains current's peak
    std::string j = "5";      // A/mm²
    std::string Umin = "85";  // V RMS
    std::string Umax = "265";
    std::string U2min = "320";
    std::string U2nom = "400";
    std::string U2max = "420";
    std::string P2 = "100";    // W
    std::string d11 = "0,63";  // desired wire diameter, mm
    int yes_d = 0;
    int yes_al = 0;
};

// Control IDs of the window that the design fills.
namespace pfcid {
constexpr int kVe = 1032;        // core volume, cm³
constexpr int kRequired = 1055;  // required gap or AL
constexpr int kBlim = 1057;      // "(не более " ... "Т)"
constexpr int kBpk = 1058;       // peak flux density; its tooltip holds the AC amplitude
constexpr int kPcore = 1059;
constexpr int kLreq = 1060;
constexpr int kLreqUnit = 1061;
constexpr int kL = 1062;
constexpr int kLUnit = 1063;
constexpr int kN = 1064;
constexpr int kWire = 1065;
constexpr int kStrands = 1066;
constexpr int kJmax = 1067;
constexpr int kKfill = 1068;
constexpr int kCin = 1069;
constexpr int kIinMin = 1070, kIinMax = 1071;
constexpr int kIpkMin = 1072, kIpkMax = 1073;
constexpr int kDIMin = 1074, kDIMax = 1075;
constexpr int kDMin = 1076, kDMax = 1077;
constexpr int kIcout = 1078;
constexpr int kCout = 1079;
constexpr int kCinUnit = 1080;
constexpr int kInfo = 1051;  // multi-line information text
constexpr int kRequiredLabel = 1016;
constexpr int kRequiredUnit = 1082;
}  // namespace pfcid

// The result controls, in the order the command-line tool lists them.
extern const int kPfcResultIds[24];

// Passes of the gap/AL correction loop before the design gives up on it.
constexpr int kPfcMaxPasses = 1000;

struct PfcResult {
    // False when a guard stopped the design before it started (unusable material): the
    // inputs are then untouched, every result text is empty and the message says why.
    bool calculated = false;
    int passes = 0;

    PfcInput input;   // the inputs as rewritten by the design (commas, Irip, zazor, d11)
    CoreRecord core;  // the core texts with "," replaced and the volume text set

    // Values of the last pass (units of the design: V, A, kHz, µH, nH/turn², mm, T, W).
    double Ve = 0, mue = 0, AL = 0, Pin = 0, I2 = 0, Iin_min = 0, Iin_max = 0;
    double D_min = 0, D_max = 0, VT_min = 0, VT_max = 0, Lreq = 0, N = 0, L = 0;
    double dI_min = 0, dI_max = 0, Ipk_min = 0, Ipk_max = 0, Cin = 0, Cout = 0;
    double Bac_max = 0, Blim = 0, Bac = 0, Pv = 0, Pcore = 0, Bpk = 0, Icout = 0;
    double N_B = 0, AL_req = 0, gap_req = 0, Irms = 0, Isw = 0, Sreq = 0;
    double dw = 0, strands = 0, Sw = 0, jmax = 0, Kfill = 0, Ilim = 0;

    std::map<int, std::string> texts;     // result controls and the information text 1051
    std::map<int, std::string> labels;    // unit labels 1061, 1063, 1080; gap/AL labels 1016, 1082
    std::map<int, std::string> tooltips;  // 1058
    Messages messages;                    // in the order they are shown

    // The window keeps AL_req (above) and this AL text ("%.1f") of the last pass for the
    // gap/AL radios; after a run that was not calculated it keeps its previous ones.
    std::string ALText;
};

// Runs the whole design. The core's Ae, An, le and mu are read from the record's texts (what
// the form's core fields show), k1 and k2 from its numbers.
PfcResult CalculateChoke(const PfcInput& input, const CoreRecord& core, const CMaterial& material,
                         const CWireTable& wires);

// The gap (mm) for an AL value (nH/turn²) on this core and material, five fringing steps from
// Ffr. The window's switch to gap mode calls it with Ffr = 1 and the AL_req of the last run.
double GapForAL(double AL, const CoreRecord& core, const CMaterial& material, double& Ffr);

// The texts of the three capacitance and inductance results: from 1000 on the inductances
// are shown in mH and the input capacitor in µF; the output capacitor drops its decimal.
ValueWithUnit InputCapacitorText(double nF);
std::string OutputCapacitorText(double uF);

// Labels 1016 and 1082 for the gap or AL mode.
struct GapAlLabels {
    std::string label;
    std::string unit;
};
GapAlLabels LabelsForMode(int yes_al);

}  // namespace fb
