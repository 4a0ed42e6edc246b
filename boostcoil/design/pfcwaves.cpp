#include "boostcoil/design/pfcwaves.h"

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {

PfcWaveInput PfcWaveInputOf(const PfcResult& r) {
    PfcWaveInput w;
    w.Fr = TextToDouble(r.input.Fr);
    w.L = r.L;
    w.U2 = TextToDouble(r.input.U2nom);
    w.Umin = TextToDouble(r.input.Umin);
    w.Umax = TextToDouble(r.input.Umax);
    w.Iin_min = r.Iin_min;
    w.Iin_max = r.Iin_max;
    return w;
}

PlotSet PfcPlots(const PfcResult& r) {
    if (!r.calculated) {
        PlotSet none;
        none.title = Localized("Графики: дроссель ККМ");
        none.notes.push_back(Localized("Нет графиков: расчет не выполнен."));
        return none;
    }
    return PfcWaveforms(PfcWaveInputOf(r));
}

}  // namespace fb
