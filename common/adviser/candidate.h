#pragma once
// One core x material tried by the adviser: what the design of that pair gave, what the checks
// said about it and what the ranking sorts by. Plain data shared by both programs.
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "common/analysis/designchecks.h"
#include "common/data/message.h"

namespace fb {

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

// A design check as the single design reports it (SeverityName for the severity); the adviser
// keeps it as it came and only asks whether its severity is an error.
struct CandidateCheck {
    std::string rule;
    std::string severity;  // "error", "warning" or "note"
    std::string text;
    std::vector<CheckValue> values;
    bool operator==(const CandidateCheck& o) const;
};

inline const char* const kSeverityError = "error";
inline const char* const kSeverityWarning = "warning";
inline const char* const kSeverityNote = "note";

std::vector<CandidateCheck> CandidateChecks(const Checks& checks);
// The JSON array ChecksJson writes for the same checks of a single design, character for character.
std::string CandidateChecksJson(const std::vector<CandidateCheck>& checks);

// What the losses analysis adds to a design; unknown values stay NaN.
struct CandidateLosses {
    double copperLoss = kUnknown;       // W
    double temperatureRise = kUnknown;  // K
    double buildFill = kUnknown;        // fill of the coil former by the winding build, 0..1
    double mass = kUnknown;             // g, of the core set
};

struct Candidate {
    int index = -1;  // position in the sweep order (shape lists, then materials)
    std::string core;
    std::string material;
    int shape = 0;

    // From the design of the pair.
    double turns = kUnknown;     // primary (flyback) or choke (PFC) turns
    double gap = kUnknown;       // mm, the gap the design ended with
    std::string gapText;         // the gap field's text after the design (what "apply" puts back)
    double flux = kUnknown;      // peak flux density, T
    double coreLoss = kUnknown;  // W
    double fill = kUnknown;      // the design's own window fill factor (copper / window area)
    double volume = kUnknown;    // Ve, cm³

    // From the losses analysis (NaN until it runs); totalLoss is the core loss alone until then.
    double copperLoss = kUnknown;
    double totalLoss = kUnknown;
    double temperatureRise = kUnknown;
    double buildFill = kUnknown;
    double mass = kUnknown;  // g
    bool massEstimated = false;

    bool works = false;
    std::vector<std::string> reasons;  // the texts of the error checks, in order
    std::vector<CandidateCheck> checks;

    // The design's own texts, for comparison with a single design of the pair.
    std::map<int, std::string> results;
    Messages messages;  // collected, never shown
};

// Density of MnZn power ferrite (the shipped materials' data sheets give 4.8 g/cm³, typical of
// the class); used for the core mass while no geometry record gives it. Valid for MnZn cores
// only: a NiZn or powder core would differ by up to a third.
constexpr double kFerriteDensity = 4.8;  // g/cm³

// Settles what every candidate derives the same way, whatever the program: works and its
// reasons from the error checks, the total loss, the mass from the volume when the losses
// analysis gave none.
void FinishCandidate(Candidate& c, const CandidateLosses& losses);

}  // namespace fb
