#include "common/data/gapmodel.h"

#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

// The method takes twice the window height G as a third of the magnetic path, as in E cores.
constexpr double kPathPerTwoWindowHeights = 3;

// Fringing factor of a gap g: the field bulging around the gap makes it act shorter.
// McLyman (Transformer and Inductor Design Handbook, ch. 8): F = 1 + g/sqrt(Ae) * ln(2G/g),
// valid while the gap is small beside the window height (g << G).
double FringingFactor(double g, const GapCore& core) {
    return 1 + (g / std::sqrt(core.Ae)) * std::log(core.le / (kPathPerTwoWindowHeights * g));
}

}  // namespace

double ResidualGap(double le, double muCore, double mui) { return le / muCore - le / mui; }

double ALForGap(double gap, const GapCore& core, double& Ffr) {
    Ffr = 1;
    if (gap <= 0) return core.mui * kMu0 * core.Ae / core.le;
    if (core.HasAlLaw()) return core.k1 * std::pow(gap, core.k2);
    // Also reached by a gap that is not a number: the fringing model then yields nan, which
    // the designs show as such instead of leaving AL undefined.
    Ffr = FringingFactor(gap, core);
    const double g = (gap + core.g0) / Ffr;
    const double t = g + (core.le - g) / core.mui;
    return kMu0 * core.Ae / t;
}

double GapModelLimit(double le) { return le / kPathPerTwoWindowHeights; }

bool GapModelHolds(double gap, double le) { return std::isfinite(gap) && gap < GapModelLimit(le); }

std::string GapBeyondModelText(double gap, double le) {
    return Phrase(
        "Требуемый немагнитный зазор {1} мм не меньше трети длины средней линии сердечника ({2} мм): модель "
        "зазора к нему неприменима, расчет не выполнен, зазор не изменен.\nПроверьте мощность, напряжения и "
        "частоту или выберите сердечник большего размера.",
        {F2(gap), F2(GapModelLimit(le))});
}

double GapForAL(double AL, const GapCore& core, double& Ffr) {
    if (core.HasAlLaw()) return std::pow(AL / core.k1, 1 / core.k2);
    const double G = kMu0 * core.Ae / AL - core.le / core.mui - core.g0;
    const double k = 1 - 1 / core.mui;
    double g = 0;
    for (int pass = 0; pass < 5; ++pass) {
        g = G * Ffr / k;
        if (g < 0) {
            g = 0;
            Ffr = 1;
        }
        if (g == 0) Ffr = 1;
        if (g > 0) Ffr = FringingFactor(g, core);
    }
    return g;
}

}  // namespace fb
