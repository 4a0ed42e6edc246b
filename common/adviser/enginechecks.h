#pragma once
// The interim verdict on a candidate from what the design engine itself knows: a run its guard
// stopped, values that are not finite, a peak flux above the permitted one, a window fill
// factor above 0.3. The design checks replace these rules when they are plugged in.
#include <string>
#include <vector>

#include "common/adviser/candidate.h"

namespace fb {

struct EngineVerdict {
    bool computed = true;    // false: the engine's guard stopped the run
    std::string stopText;    // the guard's message
    bool finite = true;      // every number the candidate shows is finite
    bool gapFound = true;    // the correction loop ended on its own
    double Bpk = 0, Blim = 0;
    bool fluxOver = false;   // the program's own flux rule
    double Kfill = 0;
    bool windowOver = false; // the program's own window rule
};

std::vector<CandidateCheck> EngineChecks(const EngineVerdict& v);

}  // namespace fb
