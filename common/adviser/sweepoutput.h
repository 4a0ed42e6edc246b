#pragma once
// What `--sweep` prints: the ranking as one JSON object or as a readable table. Both CLIs use
// these; only the options that select them live in the CLIs.
#include <cstddef>
#include <string>
#include <vector>

#include "common/adviser/candidate.h"
#include "common/adviser/ranking.h"

namespace fb {

struct SweepPrint {
    SortKey sort = SortKey::TotalLoss;
    std::size_t top = 0;  // 0: all
    bool worksOnly = false;
    bool withTexts = true;  // JSON: each candidate's result texts, to compare with a single design
};

// {"sort":…,"candidates":[{"core","material","works","total_loss_W","temperature_rise_K",
// "volume_cm3","checks":[{"rule","severity","text"}],…},…]} in rank order, one line.
// Unknown numbers are null.
std::string SweepJson(const std::vector<Candidate>& candidates, const SweepPrint& print);

// The same ranking as a table with the reason of each candidate that does not work.
std::string SweepTable(const std::vector<Candidate>& candidates, const SweepPrint& print);

}  // namespace fb
