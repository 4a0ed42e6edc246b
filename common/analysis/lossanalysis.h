#pragma once
// The winding build-up, copper and total loss, temperature rise and leakage of a finished
// design, shared by both programs: the engines' adapters fill WindingInput from their results.
#include <string>
#include <vector>

#include "common/analysis/waveform.h"
#include "common/analysis/windingbuild.h"
#include "common/data/coregeometry.h"
#include "common/data/wiretable.h"

namespace fb {

struct LossOptions {
    double ambient_C = 40;
    bool interleave = false;  // flyback: primary split in two halves around the secondaries
    double tape_mm = 0.05;    // insulation tape between windings, one layer
    int tapeLayers = 2;
    double margin_mm = 0;  // creepage margin at each end of the former (3 for reinforced)
    double riseLimit_K = 40;
    int harmonics = 30;  // harmonics of the switching frequency summed one by one
    double InsulationGap() const { return tape_mm * tapeLayers; }
};

// What is wrong with the options, one message each (empty when nothing): ambient −60…200 °C,
// tape 0…5 mm in 0…100 layers, margins 0…50 mm, limit above 0 up to 200 K, harmonics 1…1000.
// AnalyseWindings refuses options with a problem (the analysis is then not valid).
std::vector<std::string> CheckLossOptions(const LossOptions& options);

// One winding in the order wound.
struct WindingInput {
    std::string name;
    double turns = 0;
    double strands = 1;
    double wire_mm = 0;       // bare diameter
    double insulated_mm = 0;  // over the enamel, from the wire table
    CurrentShape current;     // one switching period, A
    double lineRms2 = 0;      // A² at line frequency (no eddy loss), added to the shape
    // True when the window field changes sign inside the winding (a winding between the two
    // halves of a split primary): Dowell's layers are then counted from its middle.
    bool fieldSplit = false;
    bool primary = false;  // counts toward the leakage inductance referred to the primary
};

struct WindingResult {
    std::string name;
    double turns = 0, strands = 0, wire_mm = 0, insulated_mm = 0;
    LayerBuild build;
    double porosity = 0;  // copper width of the fullest layer over the former width
    double dowellM = 0;   // layers of strands in Dowell's sense
    double Irms = 0;      // A
    double Rdc = 0;       // Ω at the winding temperature
    double Rac = 0;       // Ω, the loss over Irms², all harmonics
    double acFactor = 1;  // Rac/Rdc
    double loss = 0;      // W
};

struct LossAnalysis {
    bool valid = false;   // false: no former dimensions to build on (notes say why)
    LossOptions options;  // those it was computed with
    std::vector<WindingResult> windings;
    double coreLoss = 0, copperLoss = 0, totalLoss = 0;  // W
    double rise = 0, hotSpot = 0, ambient = 0;           // K, °C, °C
    double riseLimit = 0;
    double build = 0, formerHeight = 0, buildFill = 0;  // mm, mm, –
    bool fits = false;
    double leakage_uH = 0;  // flyback only, 0 otherwise
    bool hasLeakage = false;
    bool geometryEstimated = false;
    std::vector<std::string> notes;  // inputs outside a model's range and similar, one line each
};

// Builds the windings in order on the former, sums copper loss over the harmonics of each
// current at fSwitch (Hz), adds the core loss and finds the temperature rise, recomputing the
// copper at the winding temperature until it settles.
LossAnalysis AnalyseWindings(const std::vector<WindingInput>& windings, double fSwitch_Hz, double coreLoss_W,
                             const CoreGeometry& geometry, const LossOptions& options);

// The precision "analysis" writes its figures with (losses 6 decimals, kelvin 3, fills 4), so
// that the sweep's JSON gives the same numbers as a single design's; not finite stays as it is.
double JsonRounded(double v, int decimals);
constexpr int kLossDecimals = 6, kRiseDecimals = 3, kFillDecimals = 4;

// The "analysis" object as JSON text (numbers in SI-style units named in the keys; a number
// that is not finite is null).
std::string AnalysisJsonText(const LossAnalysis& a);
// The section of the text report, one line each, locale-free numbers.
std::vector<std::string> AnalysisReportLines(const LossAnalysis& a);

}  // namespace fb
