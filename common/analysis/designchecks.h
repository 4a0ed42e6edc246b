#pragma once
// A second opinion on a finished design: named rules that say when a part cannot work or works
// without margin. The method's own results and messages are never touched; the rules read plain
// numbers, so both programs share them (the adapters that read the engines' outcomes live
// beside the engines: flyback/design/flybackchecks.h, boostcoil/design/pfcchecks.h).
#include <string>
#include <vector>

#include "common/data/wiretable.h"

namespace fb {

// error: the part cannot work or cannot be made; warning: it works with little or no margin;
// note: an assumption the user should know.
enum class Severity { Error, Warning, Note };

struct CheckValue {
    std::string name;  // ASCII key with its unit as suffix, e.g. "gap_mm", "Bpk_T"
    double value = 0;
};

struct Check {
    std::string rule;  // stable ASCII id, e.g. "gap_fringing_range"
    Severity severity = Severity::Note;
    std::string text;  // short Russian text: the numbers and what to change
    std::vector<CheckValue> values;
};

using Checks = std::vector<Check>;

// "error", "warning", "note".
const char* SeverityName(Severity s);
bool HasError(const Checks& checks);

// The JSON array [{"rule","severity","text","values":{name:number}}], compact, UTF-8 texts as
// they are; a value that is not finite is written as null. No locale is involved.
std::string ChecksJson(const Checks& checks);
// JSON pieces shared with the figures: a quoted string with its escapes, a shortest
// round-trip number (null when not finite).
std::string JsonQuoted(const std::string& s);
std::string JsonNumber(double v);
// One line per check for a text report ("[ошибка] text (rule)"); one line saying so when empty.
std::vector<std::string> ChecksReportLines(const Checks& checks);

// ---- Rule inputs: plain numbers the adapters fill from an engine's outcome. ----

// The gap the core carries (entered, or implied by an entered AL) and what the gap model needs.
struct GapCheckData {
    double gap = 0;         // mm; 0 when ungapped
    double le = 0, An = 0;  // mm, mm²
    double Ae = 0;          // mm²
    double mue = 0;         // effective permeability of the gapped core
    bool hasAlLaw = false;  // the core's measured AL law replaces the fringing model
    bool toroid = false;    // a ferrite ring: no gap can be cut
};
void CheckGap(const GapCheckData& d, Checks& out);
// Fringing factors above this mean the model, an empirical correction for small gaps, is
// carried well beyond the gaps it was fitted to.
constexpr double kFringingLimit = 1.5;

// Peak flux against the method's permitted peak and the material's limit.
struct FluxCheckData {
    double Bpk = 0, Blim = 0, Bmax = 0;  // T
};
void CheckFlux(const FluxCheckData& d, Checks& out);

// The current-limit trip point: the full-load peak current, the trip current and the peak flux
// at full load; the material's Bmax stands for the permitted peak.
struct TripCheckData {
    double Ipk = 0, Itrip = 0;  // A
    double Bpk = 0, Bmax = 0;   // T
};
void CheckTrip(const TripCheckData& d, Checks& out);

// Window fill with insulated wires against 1 and the method's limit.
struct FillCheckData {
    double insulatedFill = 0;  // sum of turns·strands·π·diz²/4 over An
    double limit = 0.3;
};
void CheckFill(const FillCheckData& d, Checks& out);

// Where the loss lookup read the material table.
struct LossRangeData {
    double f = 0, Bac = 0;         // kHz, T
    double Ffirst = 0, Flast = 0;  // kHz
    double Bfirst = 0, Blast = 0;  // T
    std::string material;
};
void CheckLossRange(const LossRangeData& d, Checks& out);

// A named result that must be a finite number.
struct NamedValue {
    std::string name;
    double value = 0;
};
// One error naming every result that is not finite (nothing when all are).
void CheckFinite(const std::vector<NamedValue>& values, Checks& out);
// One error per duty cycle outside 0…1.
void CheckDuty(const std::vector<NamedValue>& duties, Checks& out);

// A run the engine's own guard stopped: nothing else can be checked.
void CheckNotComputed(const std::string& reason, Checks& out);

// A ferrite ring by its catalogue name: "T …", "R …", "TX…", "TN…", "TC…" or a name with
// "кольц"/"Кольц" (RM and the other two-part shapes begin differently).
bool IsToroidName(const std::string& name);

// Ratio of the permitted peak flux in the material files to saturation at 100 °C: N87 is filed
// with Bmax 0.31 T against 0.39 T in the maker's data sheet, 3C90 0.30 against 0.38 T.
constexpr double kBmaxToBsat100 = 0.8;
// Trip-point tolerance of a current-sense comparator with its resistor (typically ±5 % each).
constexpr double kTripTolerance = 0.10;

}  // namespace fb
