// The primary side: inductance factor, turns, inductance and the operating points.
#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "flyback/design/fields.h"
#include "flyback/design/run.h"

namespace fb {

// Inductance factor and effective permeability from the entered gap or AL (first step of
// every pass).
bool FlybackRun::InductanceFactor() {
    Ffr = 1;
    const double Ae = m_core.Ae, le = m_core.le;
    if (m_al) {
        ALuH = zazor / 1000;
        leq = Ae * kMu0 / (ALuH * 1000);
        mue = le / leq;
    } else {
        // A gap of 0 or less (or not a number) is the ungapped core.
        const double AL = ALForGap(zazor > 0 ? zazor : 0, GapCoreOf(m_core, m_mat), Ffr);
        ALuH = AL / 1000;
        mue = ALuH * le / Ae / kMu0 * 1000;
    }
    // ALuH divides the first turn count; a gap so wide that the fringing formula turns
    // negative, or an AL corrected down to nothing, leaves no inductance.
    if (!(ALuH > 0) || !std::isfinite(ALuH))
        return Stop(
            "Индуктивность сердечника (AL) получилась не больше 0.\nПроверьте величину зазора или AL и "
            "данные сердечника.");
    m_r.mue = mue;
    m_r.AL = ALuH * 1000;
    ShowSetText(ctl::kMue, F1(mue));
    ShowSetText(ctl::kAL, F1(ALuH * 1000));
    return true;
}

// Step 7: turn and inductance limits at Umin, with the switch drop settling in ten passes.
bool FlybackRun::TurnLimits() {
    for (int k = 0; k < 10; ++k) {
        Dmax = Ur / (Umin - Us + Ur);
        NpMin = 1000 * 0.5 * Dmax * (Umin - Us) / (Fconv * m_core.Ae * dBlim);
        LpMax = 1e6 * 0.5 * (1 + Iccm) * (Dmax * Dmax) * ((Umin - Us) * (Umin - Us)) /
                ((1 - Iccm) * (Fconv * Fconv) * Wcyc);
        Ipk = 1000 * Dmax * (Umin - Us) / ((1 - Iccm) * Fconv * LpMax);
        if (m_in.rds == 1) Us = 0.5 * Ipk * (1 + Iccm) * Rds;
    }
    // A switch drop above the supply (a huge Rds) leaves no limits to work with.
    if (!std::isfinite(NpMin) || !(LpMax > 0) || !std::isfinite(LpMax)) return Stop(kNotFiniteText);
    NpMin = RoundUpTurns(NpMin);
    m_r.NpMin = NpMin;
    m_r.LpMax = LpMax;
    m_out.tooltips[ctl::kNp] = StartTooltip(ctl::kNp) + " " + F0(NpMin);
    const ValueWithUnit limit = InductanceText(LpMax);
    m_out.tooltips[ctl::kLp] =
        Phrase("Индуктивность первичной обмотки должна быть не более {1} {2}", {limit.text, Localized(limit.unit)});
    return true;
}

// Steps 9 and 10: first whole turns from the inductance limit, at least NpMin.
bool FlybackRun::WholeTurns() {
    const double N = std::sqrt(LpMax / ALuH);
    if (Ktr >= 1) {
        Ns1 = std::trunc(N / Ktr);
        if (Ns1 == 0) Ns1 = 1;
        Np = std::trunc(Ktr * Ns1);
    } else {
        Np = std::trunc(N);
        if (Np == 0) Np = 1;
        Ns1 = std::trunc(Np / Ktr);
    }
    if (NpMin > Np) Np = NpMin;
    // Turn counts beyond 2^53 no longer change when incremented; the match below would
    // never end.
    if (!(std::fabs(Np) < 1e15) || !(std::fabs(Ns1) < 1e15))
        return Stop(
            "Число витков получилось слишком большим.\nПроверьте отраженное напряжение, данные "
            "сердечника и величину зазора или AL.");
    return true;
}

// Step 11: the largest Np, for the Ns1 reached, whose reflected voltage stays below Umirror.
bool FlybackRun::MatchReflectedVoltage() {
    const double Uref = U2[0] + Ud[0];
    auto update = [&] {
        Ktr = Np / Ns1;
        Ur = Ktr * Uref;
    };
    long steps = 0;
    update();
    while (Ur > Umirror && ++steps <= kMaxTurnSteps) {
        Ns1 = Ns1 + 1;
        update();
    }
    while (Umirror > Ur && ++steps <= kMaxTurnSteps) {
        Np = Np + 1;
        update();
    }
    // The steps are bounded so that a reflected voltage far from what the turns can give
    // stops with a message instead of hanging.
    if (steps > kMaxTurnSteps)
        return Stop(
            Phrase("Не удалось подобрать числа витков под заданное отраженное напряжение.\nПроверьте поле "
                   "\"{1}\" и напряжения вторичных обмоток.",
                   {Localized(FlybackCaption("Umirror"))}));
    Np = Np - 1;
    update();
    // Np = 0 gives Lp = 0, which divides the current swing.
    if (!(Np > 0) || !(Ns1 > 0))
        return Stop("Число витков первичной обмотки получилось равным 0.\nУвеличьте отраженное напряжение.");
    m_r.Np = Np;
    return true;
}

// Step 14: operating point at Umax (column 2) or Unom (column 1), without switch drop.
void FlybackRun::OperatingPointAt(int column, double U) {
    double D = Ur / (U + Ur);
    double dIu = 1000 * D * U / (Fconv * Lp);
    double Kcu = (2 * Wcyc - Lp * (dIu * dIu)) / (Lp * (dIu * dIu) + 2 * Wcyc);
    if (Kcu < 0) {
        Kcu = 0;
        dIu = std::sqrt(2 * Wcyc / Lp);
        D = dIu * Lp * Fconv / (U * 1000);
    }
    const double Ipku = dIu / (1 - Kcu);
    const double Iinu = 0.5 * Ipku * (1 + Kcu) * D;
    const double Irmsu = Ipku * std::sqrt(Kcu * Kcu + Kcu * (1 - Kcu) + (1 - Kcu) * (1 - Kcu) / 3) * std::sqrt(D);
    m_r.D[column] = D;
    m_r.Kc[column] = Kcu;
    m_r.Iin[column] = Iinu;
    m_r.Irms[column] = Irmsu;
    const int dutyId = column == 2 ? ctl::kDutyMax : ctl::kDutyNom;
    const int kcId = column == 2 ? ctl::kKcMax : ctl::kKcNom;
    const int iinId = column == 2 ? ctl::kIinMax : ctl::kIinNom;
    ShowSetText(dutyId, F3(D));
    ShowSetText(kcId, F2(Kcu * 100));
    ShowSetText(iinId, F3(Iinu));
    m_out.tooltips[iinId] = StartTooltip(iinId) + " " + F3(Irmsu) + " A";
}

// Step 15: operating point at Umin; with Rds(on) the drop settles in ten passes and is shown
// in the Unas field.
void FlybackRun::OperatingPointAtUmin() {
    Us = 0;
    for (int k = 0; k < 10; ++k) {
        Dmax = Ur / (Umin - Us + Ur);
        dI = 1000 * Dmax * (Umin - Us) / (Fconv * Lp);
        Kc = (Wcyc - 0.5 * Lp * (dI * dI)) / (0.5 * Lp * (dI * dI) + Wcyc);
        if (Kc < 0) {
            Kc = 0;
            dI = std::sqrt(2 * Wcyc / Lp);
            Dmax = dI * Lp * Fconv / ((Umin - Us) * 1000);
        }
        Ipk = dI / (1 - Kc);
        if (m_in.rds == 1) {
            Us = 0.5 * Ipk * (1 + Kc) * Rds;
            m_in.Unas = F3(Us);
        }
    }
    Iin = 0.5 * (Kc + 1) * Ipk * Dmax;
    Irms = Ipk * std::sqrt(Kc * Kc + Kc * (1 - Kc) + (1 - Kc) * (1 - Kc) / 3) * std::sqrt(Dmax);
    m_r.D[0] = Dmax;
    m_r.Kc[0] = Kc;
    m_r.Iin[0] = Iin;
    m_r.Irms[0] = Irms;
    m_r.Ipk = Ipk;
    ShowSetText(ctl::kDutyMin, F3(Dmax));
    ShowSetText(ctl::kKcMin, F2(Kc * 100));
    ShowSetText(ctl::kIinMin, F3(Iin));
    ShowSetText(ctl::kIpk, F3(Ipk));
    m_out.tooltips[ctl::kIinMin] = StartTooltip(ctl::kIinMin) + " " + F3(Irms) + " A";
}

}  // namespace fb
