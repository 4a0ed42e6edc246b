#include "common/analysis/lossanalysis.h"

#include <algorithm>
#include <cmath>

#include "common/analysis/dowell.h"
#include "common/analysis/thermal.h"
#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

// Porosity below this leaves Dowell's one-dimensional field a poor approximation.
constexpr double kMinPorosity = 0.5;
// Passes of the copper-temperature loop; each changes the copper loss by α·ΔT·(change), so a
// handful settles to 0.001 K unless the part runs away thermally.
constexpr int kThermalPasses = 12;

struct Prepared {
    HarmonicContent harmonics;
    double delta1At20 = 0;  // penetration ratio at the fundamental for resistivity at 20 °C
};

void Note(LossAnalysis& a, std::string text) { a.notes.push_back(std::move(text)); }

// Rac/Rdc of every winding with the skin depth at temperature T (δ ∝ √ρ, so Δ scales by √(ρ20/ρ)).
void AcFactorsAt(double T, double fSwitch, std::vector<WindingResult>& results, const std::vector<Prepared>& prep) {
    const double scale = std::sqrt(kRho20 / CopperResistivity(T));
    for (size_t k = 0; k < results.size(); ++k)
        results[k].acFactor =
            fSwitch > 0 ? HarmonicAcFactor(prep[k].harmonics, prep[k].delta1At20 * scale, results[k].dowellM) : 1.0;
}

// Copper loss of every winding at temperature T with the Rac/Rdc already found; returns the sum.
double CopperAt(double T, std::vector<WindingResult>& results, double mlt) {
    const double rho = CopperResistivity(T);
    double sum = 0;
    for (WindingResult& w : results) {
        w.Rdc = DcResistance(w.turns, mlt, w.strands, w.wire_mm, rho);
        w.Rac = w.Rdc * w.acFactor;
        w.loss = w.Rac * w.Irms * w.Irms;
        sum += w.loss;
    }
    return sum;
}

// The winding temperature where copper loss and rise agree, Rac/Rdc held: returns T.
double SettleTemperature(double T, double coreLoss, double surface, double ambient, std::vector<WindingResult>& w,
                         double mlt) {
    for (int pass = 0; pass < kThermalPasses; ++pass) {
        const double next = ambient + TemperatureRise(coreLoss + CopperAt(T, w, mlt), surface).deltaT;
        const bool settled = std::fabs(next - T) < 0.001;
        T = next;
        if (settled) break;
    }
    return T;
}

// Builds one winding on the former and splits its current by harmonics.
WindingResult LayOut(const WindingInput& s, double fSwitch, double formerWidth, double width, int harmonics,
                     Prepared& prep, LossAnalysis& a) {
    WindingResult w;
    w.name = s.name;
    w.turns = s.turns;
    w.strands = std::max(s.strands, 1.0);
    w.wire_mm = s.wire_mm;
    w.insulated_mm = std::max(s.insulated_mm, s.wire_mm);
    w.build = BuildLayers(w.turns, w.strands, w.insulated_mm, width);
    if (!w.build.fits) {
        a.fits = false;
        Note(a, Phrase("{1}: ни один виток не помещается по ширине каркаса.", {LocalizedWindingName(w.name)}));
    }
    // Copper across the fullest layer: its turns, each √strands wires of the equal-area square.
    const double across = std::min(w.turns, double(w.build.turnsPerLayer)) * std::sqrt(w.strands);
    w.porosity = std::min(1.0, across * std::sqrt(M_PI / 4) * w.wire_mm / formerWidth);
    w.dowellM = w.build.layers * std::sqrt(w.strands) * (s.fieldSplit ? 0.5 : 1.0);
    prep.harmonics = Harmonics(s.current, harmonics);
    prep.harmonics.dc2 += s.lineRms2;
    prep.harmonics.total2 += s.lineRms2;
    prep.delta1At20 = PenetrationRatio(w.wire_mm, SkinDepth(fSwitch, kRho20), w.porosity);
    w.Irms = std::sqrt(prep.harmonics.total2);
    if (w.build.fits && w.porosity < kMinPorosity)
        Note(a, Phrase("{1}: слой заполнен на {2} % ширины — модель Доуэлла для неполных слоев приближенная.",
                       {LocalizedWindingName(w.name), F0(w.porosity * 100)}));
    return w;
}

void Leakage(LossAnalysis& a, const std::vector<WindingInput>& specs, double mlt, double width, double gap) {
    double Np = 0;
    int primaries = 0;
    for (const WindingInput& s : specs)
        if (s.primary) Np += s.turns, ++primaries;
    if (primaries == 0 || primaries == static_cast<int>(specs.size())) return;
    std::vector<double> heights;
    for (const WindingResult& w : a.windings) heights.push_back(w.build.build_mm);
    // A primary in two halves around the secondaries has two interfaces with them.
    const int interfaces = (primaries >= 2 && specs.front().primary && specs.back().primary) ? 2 : 1;
    a.leakage_uH = LeakageInductance(Np, mlt, width, heights, gap * (specs.size() - 1), interfaces);
    a.hasLeakage = true;
}

}  // namespace

std::vector<std::string> CheckLossOptions(const LossOptions& o) {
    std::vector<std::string> out;
    auto within = [&](double v, double lo, double hi, const char* what) {
        if (!(v >= lo && v <= hi))
            out.push_back(Phrase("{1}: {2} вне допустимого диапазона {3}…{4}.",
                                 {Localized(what), TidyNumber(v), TidyNumber(lo), TidyNumber(hi)}));
    };
    within(o.ambient_C, -60, 200, "Температура окружающей среды, °C");
    within(o.tape_mm, 0, 5, "Толщина изоляционной ленты, мм");
    within(o.tapeLayers, 0, 100, "Число слоев ленты");
    within(o.margin_mm, 0, 50, "Поле у края каркаса, мм");
    within(o.riseLimit_K, 1e-9, 200, "Допустимый перегрев, К");
    within(o.harmonics, 1, 1000, "Число гармоник");
    return out;
}

LossAnalysis AnalyseWindings(const std::vector<WindingInput>& specs, double fSwitch, double coreLoss,
                             const CoreGeometry& g, const LossOptions& o) {
    LossAnalysis a;
    a.options = o;
    a.coreLoss = coreLoss;
    a.ambient = o.ambient_C;
    a.riseLimit = o.riseLimit_K;
    a.formerHeight = g.bobbinHeight;
    a.geometryEstimated = g.estimated;
    a.notes = CheckLossOptions(o);
    if (!a.notes.empty()) return a;
    const double width = g.bobbinWidth - 2 * o.margin_mm;
    if (!(g.bobbinWidth > 0) || !(g.bobbinHeight > 0) || !(g.mlt > 0) || !(width > 0)) {
        Note(a, Localized("Нет размеров каркаса (ширина, высота намотки, длина витка) или поля по краям не оставляют "
                          "места: намотка и потери не рассчитаны."));
        return a;
    }
    a.valid = true;
    if (g.estimated) Note(a, Localized("Размеры каркаса оценены по Ae, An и le сердечника, а не взяты из данных."));

    std::vector<Prepared> prep(specs.size());
    a.fits = true;
    for (size_t k = 0; k < specs.size(); ++k) {
        a.windings.push_back(LayOut(specs[k], fSwitch, g.bobbinWidth, width, o.harmonics, prep[k], a));
        a.build += a.windings.back().build.build_mm + (k > 0 ? o.InsulationGap() : 0);
    }
    if (a.build > g.bobbinHeight) a.fits = false;
    a.buildFill = a.build / g.bobbinHeight;

    // Rac/Rdc changes with temperature only through the skin depth, slowly: it is recomputed
    // (the costly harmonic sums) only between settlings of the cheap resistance loop.
    double T = o.ambient_C;
    bool settled = false;
    for (int pass = 0; pass < 4 && !settled; ++pass) {
        AcFactorsAt(T, fSwitch, a.windings, prep);
        const double next = SettleTemperature(T, coreLoss, g.surface, o.ambient_C, a.windings, g.mlt);
        settled = std::fabs(next - T) < 0.01;
        T = next;
    }
    if (!settled || !std::isfinite(T))
        Note(a,
             Localized("Температура обмоток не устанавливается (тепловой разгон): потери и нагрев ориентировочные."));
    a.copperLoss = CopperAt(T, a.windings, g.mlt);
    a.totalLoss = coreLoss + a.copperLoss;
    const ConvectionRise rise = TemperatureRise(a.totalLoss, g.surface);
    a.rise = rise.deltaT;
    a.hotSpot = o.ambient_C + a.rise;
    if (!(g.surface > 0))
        Note(a, Localized("Нет площади поверхности сердечника: нагрев не рассчитан."));
    else if (!rise.InRange())
        Note(a, Phrase("Плотность потерь {1} мВт/см² вне диапазона формулы естественного охлаждения (10…600 мВт/см²).",
                       {F1(rise.density)}));
    Leakage(a, specs, g.mlt, width, o.InsulationGap());
    return a;
}

}  // namespace fb
