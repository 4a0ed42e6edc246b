// The analysis as the command-line tools and the report show it.
#include <cmath>

#include <nlohmann/json.hpp>

#include "common/analysis/lossanalysis.h"
#include "common/data/english.h"
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
    j["name"] = LocalizedWindingName(w.name);
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
    j["options"] = Json{{"ambient_C", Num(o.ambient_C, 3)}, {"interleave", o.interleave},
                        {"tape_mm", Num(o.tape_mm, 4)},     {"tape_layers", o.tapeLayers},
                        {"margin_mm", Num(o.margin_mm, 3)}, {"rise_limit_K", Num(o.riseLimit_K, 3)},
                        {"harmonics", o.harmonics}};
    return j.dump();
}

std::vector<std::string> AnalysisReportLines(const LossAnalysis& a) {
    std::vector<std::string> out;
    out.push_back(Localized("Намотка и потери"));
    for (const WindingResult& w : a.windings) {
        out.push_back(
            Phrase("{1}: {2} вит., {3} x {4}, слоев {5}, высота {6} мм, Rdc {7} мОм, Rac/Rdc {8}, потери {9} Вт",
                   {LocalizedWindingName(w.name), F0(w.turns), TidyNumber(w.wire_mm), F0(w.strands),
                    FormatInt(w.build.layers), F2(w.build.build_mm), F3(w.Rdc * 1000), F2(w.acFactor), F3(w.loss)}));
    }
    out.push_back(Phrase("Потери в сердечнике {1} Вт, в меди {2} Вт, всего {3} Вт",
                         {F3(a.coreLoss), F3(a.copperLoss), F3(a.totalLoss)}));
    out.push_back(Phrase("Перегрев {1} К (допустимо {2} К), температура {3} °C при окружающей {4} °C",
                         {F1(a.rise), F0(a.riseLimit), F1(a.hotSpot), F0(a.ambient)}));
    out.push_back(Phrase(a.fits ? "Высота намотки {1} мм из {2} мм ({3} %): помещается"
                                : "Высота намотки {1} мм из {2} мм ({3} %): НЕ помещается",
                         {F2(a.build), F2(a.formerHeight), F0(a.buildFill * 100)}));
    if (a.hasLeakage) out.push_back(Phrase("Индуктивность рассеяния (оценка по намотке) {1} мкГн", {F2(a.leakage_uH)}));
    for (const std::string& n : a.notes) out.push_back(n);
    return out;
}

}  // namespace fb
