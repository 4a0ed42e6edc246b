#pragma once
// Ranking and filtering the adviser's candidates: working candidates first, then by the chosen
// key ascending, unknown values last, ties by core name and material name.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/adviser/candidate.h"

namespace fb {

enum class SortKey { TotalLoss, TemperatureRise, Volume, Mass };

// "loss" (default), "temperature", "volume", "mass"; nullopt for anything else.
std::optional<SortKey> ParseSortKey(const std::string& text);
const char* SortKeyName(SortKey key);
double SortValue(const Candidate& c, SortKey key);

struct CandidateFilter {
    int shape = -1;        // -1: every shape
    std::string material;  // "": every material
    bool worksOnly = false;
    bool Accepts(const Candidate& c) const;
};

// True when a ranks before b.
bool RanksBefore(const Candidate& a, const Candidate& b, SortKey key);

// The candidates the filter accepts, in rank order, the first `top` of them (0: all).
std::vector<Candidate> Rank(const std::vector<Candidate>& candidates, SortKey key, const CandidateFilter& filter = {},
                            std::size_t top = 0);

}  // namespace fb
