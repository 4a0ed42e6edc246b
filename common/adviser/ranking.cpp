#include "common/adviser/ranking.h"

#include <algorithm>
#include <cmath>

namespace fb {

std::optional<SortKey> ParseSortKey(const std::string& text) {
    if (text == "loss") return SortKey::TotalLoss;
    if (text == "temperature") return SortKey::TemperatureRise;
    if (text == "volume") return SortKey::Volume;
    if (text == "mass") return SortKey::Mass;
    return std::nullopt;
}

const char* SortKeyName(SortKey key) {
    switch (key) {
    case SortKey::TotalLoss: return "loss";
    case SortKey::TemperatureRise: return "temperature";
    case SortKey::Volume: return "volume";
    case SortKey::Mass: return "mass";
    }
    return "loss";
}

double SortValue(const Candidate& c, SortKey key) {
    switch (key) {
    case SortKey::TotalLoss: return c.totalLoss;
    case SortKey::TemperatureRise: return c.temperatureRise;
    case SortKey::Volume: return c.volume;
    case SortKey::Mass: return c.mass;
    }
    return kUnknown;
}

bool CandidateFilter::Accepts(const Candidate& c) const {
    if (shape >= 0 && c.shape != shape) return false;
    if (!material.empty() && c.material != material) return false;
    return !worksOnly || c.works;
}

bool RanksBefore(const Candidate& a, const Candidate& b, SortKey key) {
    if (a.works != b.works) return a.works;
    const double va = SortValue(a, key), vb = SortValue(b, key);
    const bool ka = !std::isnan(va), kb = !std::isnan(vb);
    if (ka != kb) return ka;  // unknown values last
    if (ka && va != vb) return va < vb;
    if (a.core != b.core) return a.core < b.core;
    if (a.material != b.material) return a.material < b.material;
    return a.index < b.index;
}

std::vector<Candidate> Rank(const std::vector<Candidate>& candidates, SortKey key, const CandidateFilter& filter,
                            std::size_t top) {
    std::vector<Candidate> out;
    for (const Candidate& c : candidates)
        if (filter.Accepts(c)) out.push_back(c);
    std::sort(out.begin(), out.end(), [key](const Candidate& a, const Candidate& b) { return RanksBefore(a, b, key); });
    if (top > 0 && out.size() > top) out.resize(top);
    return out;
}

}  // namespace fb
