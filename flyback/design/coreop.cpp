// The core operating point: flux, loss, the required gap or AL and the gap-from-AL rule.
#include <cmath>

#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "flyback/design/run.h"

namespace fb {

GapCore GapCoreOf(const CoreRecord& core, const CMaterial& material) {
    GapCore g;
    g.Ae = core.Ae;
    g.le = core.le;
    g.mui = material.mu;
    g.g0 = ResidualGap(core.le, core.mu, material.mu);
    g.k1 = core.k1;
    g.k2 = core.k2;
    return g;
}

double GapForALRaw(double ALnH, double& Ffr, const CoreRecord& core, const CMaterial& material) {
    return fb::GapForAL(ALnH, GapCoreOf(core, material), Ffr);
}

double GapForAL(double ALnH, double Ffr, const CoreRecord& core, const CMaterial& material) {
    // No AL, or core and material data that give no finite gap: ungapped.
    if (!(ALnH > 0) || !std::isfinite(ALnH)) return 0;
    const double gap = GapForALRaw(ALnH, Ffr, core, material);
    return std::isfinite(gap) && gap > 0 ? gap : 0;
}

std::string ZazorTextForAL(double ALnH, const CoreRecord& core, const CMaterial& material) {
    return F3(GapForAL(ALnH, 1, core, material) + 0.0005);
}

// Flux swing, core loss, permitted and reached peak flux at Umin.
void FlybackRun::CoreFlux() {
    const double Ae = m_core.Ae;
    const double dB = 0.5 * dI * Lp / (Np * Ae);
    m_r.dB = dB;
    m_out.tooltips[ctl::kBpk] = StartTooltip(ctl::kBpk) + " " + F3(dB) + " T";
    m_r.Pcore = m_mat.LossDensity(Fconv, dB) * m_core.Ve / 1000;
    ShowSetText(ctl::kPcore, F3(m_r.Pcore));
    double Blim = 2 * dBlim / (1 - Kc);
    if (Blim > m_mat.Bmax) Blim = m_mat.Bmax;
    m_r.Blim = Blim;
    ShowSetText(ctl::kBlim, "(не более " + F3(Blim) + " T)");
    m_r.Bpk = Ipk * Lp / (Np * Ae);
    ShowSetText(ctl::kBpk, F3(m_r.Bpk));
}

// The required gap or AL; `repeat` when the entered value falls short and was corrected.
bool FlybackRun::Correction(bool& repeat) {
    repeat = false;
    const double N = Iccm < Kc ? Np : NpMin;
    const double ALreq = LpMax / (N * N);
    m_r.ALreq = ALreq;
    std::string text;
    bool shortfall = false;
    if (!m_al) {
        const double gapReq = GapForALRaw(ALreq * 1000, Ffr, m_core, m_mat);
        m_r.gapReq = gapReq;
        text = F3(gapReq + 0.0005);
        shortfall = gapReq > zazor;
        if (!std::isfinite(gapReq)) text.clear();
    } else {
        text = F0(ALreq * 1000 - 0.5);
        shortfall = ALreq * 1000 < zazor;
        if (!std::isfinite(ALreq)) text.clear();
    }
    // An infinite requirement would become the "inf" text of the field.
    if (text.empty())
        return Stop(
            "Расчет невозможен: требуемый зазор или AL получился бесконечным или неопределенным.\n"
            "Проверьте исходные данные, данные сердечника и материала.");
    // A gap the model cannot hold is never written: the design stops and the field keeps its text.
    if (shortfall && !m_al && !GapModelHolds(TextToDouble(text), m_core.le))
        return Stop(GapBeyondModelText(TextToDouble(text), m_core.le));
    ShowSetText(ctl::kRequired, text);
    if (shortfall) {
        m_in.zazor = text;
        zazor = TextToDouble(text);
        repeat = true;
    }
    return true;
}

}  // namespace fb
