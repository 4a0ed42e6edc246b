#pragma once
// The flyback transformer design: inputs as the form's texts, one pure calculation, and an
// outcome that carries every text the window shows (results, labels, tooltips, messages).
// No Qt, no files: the window shows the outcome and writes the settings file itself.
#include <map>
#include <string>
#include <vector>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/message.h"
#include "common/data/unittext.h"
#include "common/data/wiretable.h"
#include "common/files/designfile.h"

namespace fb {

// The inputs of the main form, named after their settings keys and holding the texts as
// typed; the member initialisers are the start-up defaults, so FlybackInput{} is the form
// of a first start without a settings file.
struct FlybackInput {
    std::string core = "E 25/13/7";
    std::string mater = "N87 Epcos";
    std::string zazor = "0,25";  // gap, mm (yes_al = 0) or AL, nH/turn² (yes_al = 1); edit 1064
    std::string Umin = "200", Unom = "290", Umax = "350";  // edits 1045, 1048, 1044
    int setevoe = 0;                                       // 0 DC, 1 AC mains (x1.35 inside)
    std::string Fconv = "100";                             // kHz, edit 1016
    std::string Umirror = "124";                           // edit 1046
    int Auto = 0;                                          // check 1241
    std::string Utrmax = "600";                            // edit 1052
    std::string j = "5";                                   // A/mm², edit 1061
    std::string Rds = "3";                                 // Ohm, edit 1030
    std::string Unas = "1";                                // V, edit 1047
    int rds = 1;                                           // 0 Unas, 1 Rds(on)
    std::string Iccm = "0";                                // %, edit 1026
    std::string U21 = "12", U22 = "14", U23, U24, U25;     // edits 1033…1037
    std::string I21 = "2", I22 = "0,02", I23, I24, I25;    // edits 1021…1025
    std::string Ud1 = "0,8", Ud2 = "0,8", Ud3, Ud4, Ud5;   // edits 1039…1043
    int yes_d = 0;                                         // check 1002
    int yes_al = 0;                                        // radios 1074 (0) / 1075 (1)
    std::string d11 = "0,3";                               // edit 1054
    std::string d21 = "0,5", d22 = "0,2", d23, d24, d25;   // edits 1055…1059
    // Design results kept for the design file (written, never read back).
    std::string w1, w21, w22, w23, w24, w25;
    std::string n1, n21, n22, n23, n24, n25;
    // Clamper texts (the clamper window edits them; stored with the design).
    std::string Uclamp = "100", Ures = "20", Ceq = "49", Ls = "17", TL1 = "1.3", TLs = "0,18";
    // Current-sense threshold, V, edit 1051: read by the design, not stored in the file.
    std::string Usense = "1";
};

// The 57 rows of Flyback.ini / *.sav in file order; w* and n* are written only.
const std::vector<KeyField<FlybackInput>>& FlybackKeyTable();
// Reader/writer of the flyback design files (standard lookup rule, 100,000-byte buffer).
CDesignFile<FlybackInput> FlybackDesignFile();

// Control IDs of the main form that the design fills.
namespace ctl {
constexpr int kMue = 1141, kAL = 1103, kRequired = 1082, kUr = 1122, kUovs = 1123;
constexpr int kLp = 1102, kLpUnit = 1144;
constexpr int kDutyMax = 1138, kDutyNom = 1139, kDutyMin = 1137;
constexpr int kKcMax = 1100, kKcNom = 1101, kKcMin = 1099;
constexpr int kIinMax = 1091, kIinNom = 1092, kIinMin = 1090;
constexpr int kIpk = 1093, kPcore = 1108, kBlim = 1083, kBpk = 1084, kRsense = 1111, kCin = 1085;
constexpr int kNp = 1232, kPrimaryWire = 1125, kPrimaryJ = 1131, kKfill = 1140;
// Secondary k (0-based index i): ID = base + i.
constexpr int kTurnsBase = 1233, kWireBase = 1126, kJBase = 1132, kUoutBase = 1112, kUdrevBase = 1117,
              kIcrmsBase = 1094;
// Labels the design switches: the gap/AL caption beside 1082 and its unit.
constexpr int kRequiredCaption = 1240, kRequiredUnit = 1197;
}  // namespace ctl

// Every result control the design writes, in a fixed order (the window clears and fills these).
const std::vector<int>& FlybackResultControls();
// Every tooltip tool the design rewrites.
const std::vector<int>& FlybackTooltipTools();

// The numbers behind the texts (for the command-line tool and tests); valid when computed.
// Index 0/1/2 of the per-supply arrays = Umin/Unom/Umax; index i of the per-secondary arrays
// = secondary i+1.
struct FlybackResult {
    double mue = 0, AL = 0;        // AL in nH/turn²
    double gapReq = 0, ALreq = 0;  // mm; µH/turn²
    double Ur = 0, Uovs = 0;
    double Lp = 0, LpMax = 0;  // µH
    double NpMin = 0, Np = 0;
    double D[3] = {}, Kc[3] = {}, Iin[3] = {}, Irms[3] = {};
    double Ipk = 0, dB = 0, Bpk = 0, Blim = 0, dBlim = 0, Pcore = 0, Rsense = 0, Cin = 0, Kfill = 0;
    double delta = 0;  // skin depth, mm
    double primaryJ = 0, primaryStrands = 0;
    bool present[5] = {};
    double Ns[5] = {}, strands[5] = {}, J[5] = {}, Uout[5] = {}, Udrev[5] = {}, Icrms[5] = {}, IrmsSec[5] = {};
    int passes = 0;  // passes of the correction loop
    bool corrected = false;
};

struct FlybackOutcome {
    // The inputs after the run: commas replaced by points in every number text; when computed
    // also Umirror (Auto), Unas (rds = 1), zazor (corrected), d11/d21…d25 (standard
    // diameters) and w*/n* rewritten.
    FlybackInput input;
    bool computed = false;  // false: a guard stopped the run; every result text is ""
    FlybackResult result;
    std::map<int, std::string> results;  // control ID -> text, every ID of FlybackResultControls()
    std::map<int, std::string> labels;   // 1144 ("мкГн"/"мГн"), 1240, 1197
    // Tool ID -> text, every ID of FlybackTooltipTools(). A tool whose value was not computed
    // (absent secondary, guarded run) gets its plain start-up text, so no stale value shows.
    std::map<int, std::string> tooltips;
    Messages messages;  // in the order shown: wire notices of the passes, then correction, flux, window
};

constexpr double kPallow = 200;  // permitted core loss density, mW/cm³

// One design run. The wire table's remembered choice changes (hence non-const).
FlybackOutcome DesignFlyback(const FlybackInput& in, const CoreRecord& core, const CMaterial& material,
                             CWireTable& wires);

// Gap (mm) that gives the AL `ALnH` (nH/turn²) on this core and material, starting the
// fringing iteration from `Ffr`; the core's power law when it has k1 and k2. Returns 0
// (ungapped) when AL ≤ 0 or the data leave no finite answer.
double GapForAL(double ALnH, double Ffr, const CoreRecord& core, const CMaterial& material);

// The gap radio button's new zazor text: "%.3f" of GapForAL(AL, 1) + 0.0005.
std::string ZazorTextForAL(double ALnH, const CoreRecord& core, const CMaterial& material);

// The warning conditions: peak flux above the permitted one by 0.0005 T or more; window fill
// factor above 0.3.
inline bool FluxWarning(double Blim, double Bpk) { return Blim + 0.0005 < Bpk; }
// Copper beyond 30 % of the window leaves no room for the coil former, the insulation and the
// gaps between turns of a hand-wound ferrite transformer.
constexpr double kMaxWindowFill = 0.3;
inline bool WindowWarning(double Kfill) { return Kfill > kMaxWindowFill; }

// Labels of the gap/AL caption (1240) and unit (1197) for yes_al.
std::string RequiredCaption(int yes_al);
std::string RequiredUnit(int yes_al);

// Form rules of the edits (pure; the window applies them on the user's own edits only):
// Fconv: commas to points; above the material's last table frequency it becomes that
// frequency with "%.0f" (no limit when the material has no frequencies).
std::string LimitFconvText(const std::string& text, double lastFrequency);
// Iccm: commas to points; above 70 it becomes "70". `changed` says whether the form must be
// refreshed (only then does the window show the rewritten text).
std::string LimitIccmText(const std::string& text, bool* changed = nullptr);

}  // namespace fb
