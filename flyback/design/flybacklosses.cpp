#include "flyback/design/flybacklosses.h"

#include <cmath>
#include <string>

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {

namespace {

std::string TextOf(const std::map<int, std::string>& m, int id) {
    const auto it = m.find(id);
    return it == m.end() ? std::string() : it->second;
}

// "витков, провод 0.265 x 23" or "0.5 x 5": the diameter is the number before " x ".
double WireOf(const std::string& text) {
    const std::string marker = "провод ";
    const size_t at = text.find(marker);
    return TextToDouble(at == std::string::npos ? text : text.substr(at + marker.size()));
}

WindingInput Winding(std::string name, double turns, double strands, double d, const CWireTable& wires) {
    WindingInput s;
    s.name = std::move(name);
    s.turns = turns;
    s.strands = strands;
    s.wire_mm = d;
    s.insulated_mm = wires.InsulatedDiameter(d);
    return s;
}

}  // namespace

LossAnalysis AnalyseFlyback(const FlybackOutcome& out, const CWireTable& wires, const CoreGeometry& g,
                            const LossOptions& o) {
    if (!out.computed) {
        LossAnalysis a;
        a.notes.push_back(Localized("Расчет трансформатора не выполнен: намотка и потери не рассчитаны."));
        return a;
    }
    const FlybackResult& r = out.result;
    const double D = r.D[0], Kc = r.Kc[0];
    WindingInput primary =
        Winding("Первичная", r.Np, r.primaryStrands, WireOf(TextOf(out.results, ctl::kPrimaryWire)), wires);
    primary.current = SwitchOnShape(Kc * r.Ipk, r.Ipk, D);
    primary.primary = true;

    std::vector<WindingInput> secondaries;
    // RMS of the falling trapezoid over 1 − D: Ipk2·√((1 + Kc + Kc²)/3)·√(1 − D).
    const double shape = std::sqrt((1 + Kc + Kc * Kc) / 3) * std::sqrt(1 - D);
    for (int i = 0; i < 5; ++i) {
        if (!r.present[i]) continue;
        WindingInput s = Winding("Вторичная " + FormatInt(i + 1), r.Ns[i], r.strands[i],
                                 TextToDouble(TextOf(out.results, ctl::kWireBase + i)), wires);
        const double Ipk2 = shape > 0 ? r.IrmsSec[i] / shape : 0;
        s.current = SwitchOffShape(Kc * Ipk2, Ipk2, D);
        s.fieldSplit = o.interleave && r.Np >= 2;
        secondaries.push_back(s);
    }

    std::vector<WindingInput> order;
    if (o.interleave && r.Np >= 2) {
        WindingInput first = primary, second = primary;
        first.name = "Первичная 1/2";
        second.name = "Первичная 2/2";
        first.turns = std::ceil(r.Np / 2);
        second.turns = r.Np - first.turns;
        order.push_back(first);
        order.insert(order.end(), secondaries.begin(), secondaries.end());
        order.push_back(second);
    } else {
        order.push_back(primary);
        order.insert(order.end(), secondaries.begin(), secondaries.end());
    }
    return AnalyseWindings(order, TextToDouble(out.input.Fconv) * 1000, r.Pcore, g, o);
}

}  // namespace fb
