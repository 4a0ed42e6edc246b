#include "common/analysis/losschecks.h"

#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

void CheckBuild(const LossAnalysis& a, Checks& out) {
    if (a.fits) return;
    out.push_back({"build_not_fit",
                   Severity::Error,
                   Phrase("Обмотки не помещаются на каркас: высота намотки {1} мм при высоте каркаса {2} мм "
                          "(заполнение {3}). Выберите сердечник большего размера, уменьшите плотность тока или "
                          "толщину изоляции.",
                          {F2(a.build), F2(a.formerHeight), F2(a.buildFill)}),
                   {{"build_mm", a.build}, {"former_height_mm", a.formerHeight}, {"build_fill", a.buildFill}}});
}

void CheckTemperature(const LossAnalysis& a, double rated, Checks& out) {
    // A rise that did not settle (thermal runaway) is infinite: it fails both rules.
    if (std::isnan(a.rise)) return;
    const bool hot = !(a.hotSpot <= rated);
    if (hot)
        out.push_back({"hot_spot_rated",
                       Severity::Error,
                       Phrase("Температура наиболее нагретой точки {1} °C (окружающая среда {2} °C, перегрев {3} К) "
                              "выше допустимой для феррита {4} °C: растут потери в сердечнике и падает индукция "
                              "насыщения. Выберите сердечник большего размера или снизьте потери.",
                              {F0(a.hotSpot), F0(a.ambient), F0(a.rise), F0(rated)}),
                       {{"hot_spot_C", a.hotSpot}, {"rated_C", rated}, {"rise_K", a.rise}}});
    if (!(a.rise <= a.riseLimit))
        out.push_back({"temperature_rise",
                       Severity::Warning,
                       Phrase("Перегрев {1} К выше допустимого {2} К (потери {3} Вт). Выберите сердечник большего "
                              "размера или снизьте потери в меди и сердечнике.",
                              {F0(a.rise), F0(a.riseLimit), F2(a.totalLoss)}),
                       {{"rise_K", a.rise}, {"limit_K", a.riseLimit}, {"total_loss_W", a.totalLoss}}});
}

void CheckAcFactors(const LossAnalysis& a, Checks& out) {
    for (const WindingResult& w : a.windings) {
        if (!(w.acFactor > kAcFactorLimit)) continue;
        out.push_back({"ac_resistance_ratio",
                       Severity::Warning,
                       Phrase("{1}: Rac/Rdc = {2}, слоёв {3}: потери от близости проводников преобладают. "
                              "Уменьшите число слоев, возьмите более тонкие жилы или чередуйте обмотки.",
                              {LocalizedWindingName(w.name), F2(w.acFactor), FormatInt(w.build.layers)}),
                       {{"ac_factor", w.acFactor},
                        {"layers", static_cast<double>(w.build.layers)},
                        {"wire_mm", w.wire_mm},
                        {"strands", w.strands}}});
    }
}

}  // namespace

void CheckLosses(const LossAnalysis& a, Checks& out, double ratedHotSpot_C) {
    if (!a.valid) {
        out.push_back({"losses_not_analysed",
                       Severity::Note,
                       a.notes.empty() ? Localized("Намотка и потери в меди не рассчитаны.")
                                       : Phrase("Намотка и потери в меди не рассчитаны: {1}", {a.notes.front()}),
                       {}});
        return;
    }
    CheckBuild(a, out);
    CheckTemperature(a, ratedHotSpot_C, out);
    CheckAcFactors(a, out);
    if (a.geometryEstimated)
        out.push_back({"geometry_estimated",
                       Severity::Note,
                       Localized("Размеры каркаса, длина витка и поверхность сердечника оценены по Ae, An и le: "
                                 "намотка и нагрев ориентировочные. Добавьте размеры сердечника в файл геометрии."),
                       {}});
}

void AddLossChecks(const LossAnalysis& a, Checks& design, double ratedHotSpot_C) {
    for (const Check& c : design)
        if (c.rule == "not_finite" || c.rule == "not_computed") return;
    CheckLosses(a, design, ratedHotSpot_C);
}

}  // namespace fb
