// The analysis as the command-line tools and the report show it.
#include <cmath>

#include <nlohmann/json.hpp>

#include "common/analysis/lossanalysis.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

using Json = nlohmann::ordered_json;

// nlohmann writes a non-finite double as null already; rounding keeps the text short and stable.
Json Num(double v, int decimals = kLossDecimals) {
    if (!std::isfinite(v)) return nullptr;
    return JsonRounded(v, decimals);
}

Json WindingJson(const WindingResult& w) {
    Json j = Json::object();
    j["name"] = w.name;
    j["turns"] = Num(w.turns, 0);
    j["strands"] = Num(w.strands, 0);
    j["wire_mm"] = Num(w.wire_mm, 3);
    j["insulated_mm"] = Num(w.insulated_mm, 3);
    j["turns_per_layer"] = w.build.turnsPerLayer;
    j["layers"] = w.build.layers;
    j["build_mm"] = Num(w.build.build_mm, 4);
    j["porosity"] = Num(w.porosity, 4);
    j["Irms_A"] = Num(w.Irms);
    j["Rdc_ohm"] = Num(w.Rdc, 7);
    j["Rac_ohm"] = Num(w.Rac, 7);
    j["Rac_Rdc"] = Num(w.acFactor, 4);
    j["copper_loss_W"] = Num(w.loss);
    return j;
}

}  // namespace

double JsonRounded(double v, int decimals) {
    if (!std::isfinite(v)) return v;
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

std::string AnalysisJsonText(const LossAnalysis& a) {
    Json j = Json::object();
    j["valid"] = a.valid;
    Json windings = Json::array();
    for (const WindingResult& w : a.windings) windings.push_back(WindingJson(w));
    j["windings"] = windings;
    j["core_loss_W"] = Num(a.coreLoss);
    j["copper_loss_W"] = Num(a.copperLoss);
    j["total_loss_W"] = Num(a.totalLoss);
    j["ambient_C"] = Num(a.ambient, 2);
    j["temperature_rise_K"] = Num(a.rise, kRiseDecimals);
    j["temperature_rise_limit_K"] = Num(a.riseLimit, 2);
    j["hot_spot_C"] = Num(a.hotSpot, 3);
    j["build_mm"] = Num(a.build, 4);
    j["former_height_mm"] = Num(a.formerHeight, 4);
    j["build_fill"] = Num(a.buildFill, kFillDecimals);
    j["fits"] = a.fits;
    if (a.hasLeakage) j["leakage_uH"] = Num(a.leakage_uH, 4);
    j["geometry_estimated"] = a.geometryEstimated;
    j["notes"] = a.notes;
    const LossOptions& o = a.options;
    j["options"] = Json{{"ambient_C", Num(o.ambient_C, 3)},     {"interleave", o.interleave},
                        {"tape_mm", Num(o.tape_mm, 4)},         {"tape_layers", o.tapeLayers},
                        {"margin_mm", Num(o.margin_mm, 3)},     {"rise_limit_K", Num(o.riseLimit_K, 3)},
                        {"harmonics", o.harmonics}};
    return j.dump();
}

std::vector<std::string> AnalysisReportLines(const LossAnalysis& a) {
    std::vector<std::string> out;
    out.push_back("Намотка и потери");
    for (const WindingResult& w : a.windings) {
        out.push_back(w.name + ": " + F0(w.turns) + " вит., " + TidyNumber(w.wire_mm) + " x " + F0(w.strands) +
                      ", слоев " + FormatInt(w.build.layers) + ", высота " + F2(w.build.build_mm) + " мм, Rdc " +
                      F3(w.Rdc * 1000) + " мОм, Rac/Rdc " + F2(w.acFactor) + ", потери " + F3(w.loss) + " Вт");
    }
    out.push_back("Потери в сердечнике " + F3(a.coreLoss) + " Вт, в меди " + F3(a.copperLoss) + " Вт, всего " +
                  F3(a.totalLoss) + " Вт");
    out.push_back("Перегрев " + F1(a.rise) + " К (допустимо " + F0(a.riseLimit) + " К), температура " + F1(a.hotSpot) +
                  " °C при окружающей " + F0(a.ambient) + " °C");
    out.push_back("Высота намотки " + F2(a.build) + " мм из " + F2(a.formerHeight) + " мм (" + F0(a.buildFill * 100) +
                  " %): " + (a.fits ? "помещается" : "НЕ помещается"));
    if (a.hasLeakage) out.push_back("Индуктивность рассеяния (оценка по намотке) " + F2(a.leakage_uH) + " мкГн");
    for (const std::string& n : a.notes) out.push_back(n);
    return out;
}

}  // namespace fb
