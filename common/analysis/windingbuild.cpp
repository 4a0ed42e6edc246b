#include "common/analysis/windingbuild.h"

#include <algorithm>
#include <cmath>

#include "common/analysis/dowell.h"
#include "common/data/numbers.h"

namespace fb {

LayerBuild BuildLayers(double turns, double strands, double diz_mm, double width_mm) {
    LayerBuild b;
    b.bundle_mm = diz_mm * std::sqrt(std::max(strands, 1.0));
    if (!(b.bundle_mm > 0) || !(width_mm > 0) || !(turns > 0)) return b;
    // A winding that fills the width exactly must not lose its last turn to rounding.
    b.turnsPerLayer = TruncToInt(width_mm / b.bundle_mm + 1e-9);
    if (b.turnsPerLayer < 1) return b;
    b.layers = TruncToInt(std::ceil(turns / b.turnsPerLayer - 1e-12));
    b.build_mm = b.layers * b.bundle_mm;
    b.fits = true;
    return b;
}

double LeakageInductance(double primaryTurns, double mlt_mm, double width_mm, const std::vector<double>& heights_mm,
                         double insulation_mm, int interfaces) {
    if (!(width_mm > 0) || interfaces < 1) return 0;
    double h = 0;
    for (double v : heights_mm) h += v;
    const double M = interfaces;
    const double L = kMu0 * primaryTurns * primaryTurns * (mlt_mm * 1e-3) / (M * M * width_mm * 1e-3) *
                     ((h / 3 + insulation_mm) * 1e-3);
    return L * 1e6;
}

}  // namespace fb
