#include "boostcoil/design/pfclosses.h"

#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {

LossAnalysis AnalyseChoke(const PfcResult& r, const CWireTable& wires, const CoreGeometry& g, const LossOptions& o) {
    if (!r.calculated) {
        LossAnalysis a;
        a.notes.push_back(Localized("Расчет дросселя не выполнен: намотка и потери не рассчитаны."));
        return a;
    }
    WindingInput w;
    w.name = "Дроссель";
    w.turns = r.N;
    w.strands = r.strands;
    w.wire_mm = r.dw;
    w.insulated_mm = wires.InsulatedDiameter(r.dw);
    w.current = RippleShape(r.dI_min, r.D_min);
    w.lineRms2 = r.Iin_min * r.Iin_min;
    LossOptions single = o;
    single.interleave = false;
    return AnalyseWindings({w}, TextToDouble(r.input.Fr) * 1000, r.Pcore, g, single);
}

}  // namespace fb
