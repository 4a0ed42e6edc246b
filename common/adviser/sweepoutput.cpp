#include "common/adviser/sweepoutput.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "common/analysis/lossanalysis.h"
#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/files/fieldcatalogue.h"

namespace fb {
namespace {

using Json = nlohmann::ordered_json;

Json Number(double v) { return std::isfinite(v) ? Json(v) : Json(nullptr); }
// A figure of the analysis with the precision the single design's "analysis" gives it.
Json Analysed(double v, int decimals) { return Number(JsonRounded(v, decimals)); }

Json CandidateJson(const Candidate& c, bool withTexts) {
    Json j = Json::object();
    j["core"] = c.core;
    j["material"] = c.material;
    j["works"] = c.works;
    j["total_loss_W"] = Analysed(c.totalLoss, kLossDecimals);
    j["temperature_rise_K"] = Analysed(c.temperatureRise, kRiseDecimals);
    j["volume_cm3"] = Number(c.volume);
    // Parsed from the single design's own writer, so both print the same checks; a text that
    // is not UTF-8 cannot be parsed and is written as the other texts are.
    j["checks"] = Json::parse(CandidateChecksJson(c.checks), nullptr, false);
    if (j["checks"].is_discarded()) {
        j["checks"] = Json::array();
        for (const CandidateCheck& k : c.checks) {
            Json values = Json::object();
            for (const CheckValue& v : k.values) values[v.name] = Number(v.value);
            j["checks"].push_back(
                Json{{"rule", k.rule}, {"severity", k.severity}, {"text", k.text}, {"values", values}});
        }
    }
    j["reasons"] = c.reasons;
    j["shape"] = c.shape;
    j["turns"] = Number(c.turns);
    j["gap_mm"] = Number(c.gap);
    j["gap_text"] = c.gapText;
    j["flux_T"] = Number(c.flux);
    j["core_loss_W"] = Analysed(c.coreLoss, kLossDecimals);
    j["copper_loss_W"] = Analysed(c.copperLoss, kLossDecimals);
    j["fill"] = Number(c.fill);
    j["build_fill"] = Analysed(c.buildFill, kFillDecimals);
    j["mass_g"] = Number(c.mass);
    j["mass_estimated"] = c.massEstimated;
    if (withTexts) {
        Json texts = Json::object();
        for (const auto& [id, text] : c.results) texts[FormatInt(id)] = text;
        j["results"] = texts;
    }
    return j;
}

std::vector<Candidate> Ranked(const std::vector<Candidate>& candidates, const SweepPrint& print) {
    CandidateFilter filter;
    filter.worksOnly = print.worksOnly;
    return Rank(candidates, print.sort, filter, print.top);
}

// Columns are padded by characters, not bytes, so Cyrillic captions line up.
std::string Pad(const std::string& s, std::size_t width) {
    std::size_t chars = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0) != 0x80) ++chars;
    return chars >= width ? s + " " : s + std::string(width - chars, ' ');
}

std::string Cell(double v, int decimals) { return std::isfinite(v) ? FormatFixed(v, decimals) : "-"; }

}  // namespace

std::string SweepJson(const std::vector<Candidate>& candidates, const SweepPrint& print) {
    Json list = Json::array();
    for (const Candidate& c : Ranked(candidates, print)) list.push_back(CandidateJson(c, print.withTexts));
    Json j = Json::object();
    j["sort"] = SortKeyName(print.sort);
    j["candidates"] = list;
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

std::string SweepTable(const std::vector<Candidate>& candidates, const SweepPrint& print) {
    const std::size_t w[] = {5, 18, 18, 9, 11, 12, 10, 10};
    std::string out = Pad("№", w[0]) + Pad(Localized(caption::kCore), w[1]) + Pad(Localized(caption::kMaterial), w[2]) +
                      Pad(Localized("Работает"), w[3]) + Pad(Localized("Потери, Вт"), w[4]) +
                      Pad(Localized("Перегрев, K"), w[5]) + Pad(Localized("Ve, см3"), w[6]) +
                      Pad(Localized("Масса, г"), w[7]) + Localized("Причина") + "\n";
    int n = 0;
    for (const Candidate& c : Ranked(candidates, print)) {
        std::string why;
        for (const std::string& r : c.reasons) why += (why.empty() ? "" : "; ") + r;
        for (char& ch : why)
            if (ch == '\n') ch = ' ';
        out += Pad(FormatInt(++n), w[0]) + Pad(c.core, w[1]) + Pad(c.material, w[2]) +
               Pad(Localized(c.works ? "да" : "нет"), w[3]) + Pad(Cell(c.totalLoss, 3), w[4]) +
               Pad(Cell(c.temperatureRise, 1), w[5]) + Pad(Cell(c.volume, 3), w[6]) + Pad(Cell(c.mass, 1), w[7]) + why +
               "\n";
    }
    return out;
}

}  // namespace fb
