#include "flyback/design/flybackwaves.h"

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "flyback/design/run.h"

namespace fb {

FlybackWaveInput FlybackWaveInputOf(const FlybackOutcome& out, const CMaterial& material) {
    const FlybackInput& in = out.input;
    const FlybackResult& r = out.result;
    const double mains = in.setevoe == 1 ? 1.35 : 1.0;
    const double U[3] = {TextToDouble(in.Umin) * mains, TextToDouble(in.Unom) * mains, TextToDouble(in.Umax) * mains};
    FlybackWaveInput w;
    w.Fconv = TextToDouble(in.Fconv);
    for (int i = 0; i < 3; ++i) {
        // The result keeps the peak only at Umin; Iin = Ipk·(1 + Kc)·D/2 gives it at every supply.
        const double Ipk = i == 0 ? r.Ipk : 2 * r.Iin[i] / ((1 + r.Kc[i]) * r.D[i]);
        w.line[i] = {U[i], r.D[i], r.Kc[i], Ipk};
    }
    w.Ur = r.Ur;
    w.Uclamp = TextToDouble(in.Uclamp);
    w.Utrmax = TextToDouble(in.Utrmax);
    w.Bpk = r.Bpk;
    w.Blim = r.Blim;
    w.Bmax = material.Bmax;
    for (int k = 0; k < 5; ++k)
        if (r.present[k]) w.secondaries.push_back({k + 1, TextToDouble(in.*kI2[k])});
    return w;
}

PlotSet FlybackPlots(const FlybackOutcome& out, const CMaterial& material) {
    if (!out.computed) {
        PlotSet none;
        none.title = Localized("Графики: flyback-трансформатор");
        none.notes.push_back(Localized("Нет графиков: расчет не выполнен."));
        return none;
    }
    return FlybackWaveforms(FlybackWaveInputOf(out, material));
}

}  // namespace fb
