// The windings: primary wire, secondary turns, currents and wires, window fill.
#include <cmath>

#include "common/data/numbers.h"
#include "flyback/design/run.h"

namespace fb {
namespace {

const char* const kNoWireText =
    "Таблица стандартных проводов пуста.\nДобавьте диаметры проводов (d1, diz1, ...) в файл Wire.txt.";

// A wire file out of ascending order replaces the same diameter again on every pass of the
// correction loop: a notice an earlier pass gave is not repeated (up to thousands of boxes).
void AddNotice(Messages& messages, size_t earlierPasses, const Message& m) {
    for (size_t k = 0; k < earlierPasses && k < messages.size(); ++k)
        if (messages[k] == m) return;
    messages.push_back(m);
}

}  // namespace

bool FlybackRun::PrimaryWire() {
    CWireTable::Nearest nearest = m_wires.NearestStandard(m_in.d11);
    m_in.d11 = nearest.text;
    if (nearest.message) AddNotice(m_wireMessages, m_earlierNotices, *nearest.message);
    const CWireTable::Choice wire = m_wires.ChooseWire(Irms, j, delta, m_in.yes_d);
    if (!wire.ok) return Stop(kNoWireText);
    m_in.w1 = F0(Np);
    m_in.n1 = F0(wire.strands);
    ShowSetText(ctl::kNp, m_in.w1);
    ShowSetText(ctl::kPrimaryWire, "витков, провод " + wire.diameterText + " x " + F0(wire.strands));
    m_r.primaryStrands = wire.strands;
    m_r.primaryJ = Irms / (wire.Aeff * wire.strands);
    ShowSetText(ctl::kPrimaryJ, F3(m_r.primaryJ));
    copper[0] = wire.S * wire.strands * Np;
    const std::string skin = StartTooltip(ctl::kPrimaryWire) + "  " + F3(2 * delta) + " мм";
    m_out.tooltips[ctl::kPrimaryWire] = skin;
    m_out.tooltips[ctl::kWireBase] = skin;
    return true;
}

bool FlybackRun::Secondaries() {
    const double Uref = U2[0] + Ud[0];
    double Ns[5] = {Ns1};
    for (int i = 1; i < 5; ++i) Ns[i] = RoundUpTurns((U2[i] + Ud[i]) / Uref * Ns1);
    for (int i = 0; i < 5; ++i) m_r.Ns[i] = Ns[i];
    const double root = std::sqrt(Kc * Kc + Kc * (1 - Kc) + (1 - Kc) * (1 - Kc) / 3);
    for (int i = 0; i < 5; ++i) {
        copper[i + 1] = 0;
        if (!m_r.present[i]) continue;
        const double I = I2[i];
        const double Ipk2 = 2 * I / ((Kc + 1) * (1 - Dmax));
        const double IrmsK = Ipk2 * root * std::sqrt(1 - Dmax);
        m_out.tooltips[ctl::kJBase + i] = StartTooltip(ctl::kJBase + i) + " " + F3(IrmsK) + " A";
        // Output-capacitor RMS current: the ramp above and below the load current.
        const double Imin = Ipk2 * Kc;
        double S = 0;
        if (Imin > I) {
            const double a = Imin - I, b = (1 - Kc) * Ipk2;
            S = (a * b + a * a + b * b / 3) * (1 - Dmax);
        } else if (Ipk2 != 0) {  // no load current, no ramp: S stays 0 instead of 0/0
            const double a = I - Imin, c = Ipk2 - I;
            S = (c * c * c + a * a * a) * (1 - Dmax) / (Ipk2 * (1 - Kc) * 3);
        }
        S = S + I * I * Dmax;
        const double Icrms = std::sqrt(S);

        CWireTable::Nearest nearest = m_wires.NearestStandard(m_in.*kD2[i]);
        m_in.*kD2[i] = nearest.text;
        if (nearest.message) AddNotice(m_wireMessages, m_earlierNotices, *nearest.message);
        const CWireTable::Choice wire = m_wires.ChooseWire(IrmsK, j, delta, m_in.yes_d);
        if (!wire.ok) return Stop(kNoWireText);
        copper[i + 1] = wire.S * wire.strands * Ns[i];

        m_in.*kW2[i] = F0(Ns[i]);
        m_in.*kN2[i] = F0(wire.strands);
        ShowSetText(ctl::kTurnsBase + i, m_in.*kW2[i]);
        ShowSetText(ctl::kWireBase + i, wire.diameterText + " x " + F0(wire.strands));
        const double J = IrmsK / (wire.Aeff * wire.strands);
        ShowSetText(ctl::kJBase + i, F3(J));
        const double Uout = i == 0 ? U2[0] : Uref * Ns[i] / Ns1 - Ud[i];
        ShowSetText(ctl::kUoutBase + i, Uout >= 1000 ? F1(Uout) + " В" : F2(Uout) + " В");
        const double Udrev = Umax * Ns[i] / Np + Uout;
        ShowSetText(ctl::kUdrevBase + i, F0(Udrev) + " В");
        ShowSetText(ctl::kIcrmsBase + i, F3(Icrms) + " А");

        m_r.strands[i] = wire.strands;
        m_r.J[i] = J;
        m_r.Uout[i] = Uout;
        m_r.Udrev[i] = Udrev;
        m_r.Icrms[i] = Icrms;
        m_r.IrmsSec[i] = IrmsK;
    }
    return true;
}

// Copper of every winding (full wire area) against the core window.
void FlybackRun::WindowFill() {
    const double sum = copper[0] + copper[1] + copper[2] + copper[3] + copper[4] + copper[5];
    m_r.Kfill = sum / m_core.An;
    ShowSetText(ctl::kKfill, F3(m_r.Kfill));
}

}  // namespace fb
