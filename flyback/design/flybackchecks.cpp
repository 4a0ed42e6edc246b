#include "flyback/design/flybackchecks.h"

#include <cmath>

#include "common/analysis/corechecks.h"
#include "common/data/english.h"
#include "common/data/numbers.h"
#include "flyback/design/run.h"

namespace fb {
namespace {

std::string TextOf(const std::map<int, std::string>& m, int id) {
    const auto it = m.find(id);
    return it == m.end() ? std::string() : it->second;
}

// Σ turns·strands·π·diz²/4 over An; the wire texts read "витков, провод 0.5 x 3" and "0.5 x 3".
double InsulatedFill(const FlybackOutcome& out, const CoreRecord& core, const CWireTable& wires) {
    const FlybackResult& r = out.result;
    const double pi = std::acos(-1.0);
    auto area = [&](const std::string& wireText, double turns, double strands) {
        const double diz = wires.InsulatedDiameter(TextToDouble(wireText));
        return turns * strands * pi * diz * diz / 4;
    };
    std::string primary = TextOf(out.results, ctl::kPrimaryWire);
    const size_t at = primary.find("провод ");
    primary = at == std::string::npos ? std::string() : primary.substr(at + std::string("провод ").size());
    double sum = area(primary, r.Np, r.primaryStrands);
    for (int i = 0; i < 5; ++i)
        if (r.present[i]) sum += area(TextOf(out.results, ctl::kWireBase + i), r.Ns[i], r.strands[i]);
    return core.An > 0 ? sum / core.An : 0;
}

double OutputPower(const FlybackInput& in) {
    double P = 0;
    for (int k = 0; k < 5; ++k) {
        const double U = TextToDouble(in.*kU2[k]);
        if (U != 0) P += (U + TextToDouble(in.*kUd[k])) * TextToDouble(in.*kI2[k]);
    }
    return P;
}

void CheckSwitchVoltage(const FlybackOutcome& out, const FlybackExtra& x, Checks& checks) {
    const double Utrmax = TextToDouble(out.input.Utrmax);
    if (Utrmax - out.result.Ur - x.busMaxPeak >= 0) return;
    checks.push_back({"switch_voltage_high_line",
                      Severity::Warning,
                      Phrase("При максимальном входном напряжении {1} В плюс отражённое {2} В превышают допустимое "
                             "на ключе {3} В ещё до выброса. Уменьшите отражённое напряжение или выберите ключ на "
                             "большее напряжение.",
                             {F0(x.busMaxPeak), F0(out.result.Ur), F0(Utrmax)}),
                      {{"bus_peak_V", x.busMaxPeak}, {"Ur_V", out.result.Ur}, {"Utrmax_V", Utrmax}}});
}

void CheckBus(const FlybackOutcome& out, const FlybackExtra& x, Checks& checks) {
    CheckSwitchVoltage(out, x, checks);
    if (!x.ac) {
        checks.push_back({"dc_input_capacitor",
                          Severity::Warning,
                          Phrase("Питание постоянным напряжением: рассчитанная ёмкость входного конденсатора ({1} "
                                 "мкФ) смысла не имеет, её задаёт источник питания.",
                                 {F0(out.result.Cin)}),
                          {{"Cin_uF", out.result.Cin}}});
        return;
    }
    if (x.busMinValley >= 0.9 * x.busMinMethod) return;
    checks.push_back({"bus_low_line",
                      x.busMinValley > 0.75 * x.busMinMethod ? Severity::Note : Severity::Warning,
                      Phrase("При минимальном напряжении сети и ёмкости {1} мкФ напряжение на конденсаторе "
                             "проседает до {2} В, а расчёт принимает {3} В: коэффициент заполнения и пиковый ток на "
                             "деле больше. Увеличьте ёмкость или задайте Umin ниже.",
                             {F0(x.C), F0(x.busMinValley), F0(x.busMinMethod)}),
                      {{"valley_V", x.busMinValley}, {"method_V", x.busMinMethod}, {"C_uF", x.C}}});
}

}  // namespace

Figures FlybackExtra::ToFigures() const {
    Figures f;
    if (ac) {
        f.push_back({"bulk_capacitor", "Ёмкость входного конденсатора (принята)", C, "мкФ"});
        f.push_back({"bus_min_valley", "Мин. напряжение шины при Umin", busMinValley, "В"});
        f.push_back({"bus_max_peak", "Макс. напряжение шины при Umax", busMaxPeak, "В"});
    }
    f.push_back({"trip_current", "Ток срабатывания защиты (Usense/Rsense)", Itrip, "А"});
    f.push_back({"trip_flux", "Индукция при срабатывании защиты", Btrip, "Т"});
    f.push_back({"trip_headroom", "Запас тока срабатывания над пиковым", headroomPct, "%"});
    f.push_back({"fill_insulated", "Заполнение окна с изоляцией проводов", insulatedFill, ""});
    return f;
}

FlybackExtra FlybackFigures(const FlybackOutcome& out, const CoreRecord& core, const CWireTable& wires,
                            double capacitance) {
    const FlybackInput& in = out.input;
    const FlybackResult& r = out.result;
    FlybackExtra x;
    x.ac = in.setevoe == 1;
    x.C = capacitance > 0 ? capacitance : r.Cin;
    if (x.ac) {
        const double Pin = OutputPower(in) / kEta;
        x.busMinValley = DcBusAt(TextToDouble(in.Umin), Pin, x.C).valley;
        x.busMaxPeak = DcBusAt(TextToDouble(in.Umax), Pin, x.C).peak;
        x.busMinMethod = 1.35 * TextToDouble(in.Umin);
        x.busMaxMethod = 1.35 * TextToDouble(in.Umax);
    } else {  // the bus is the DC input itself
        x.busMinValley = x.busMinMethod = TextToDouble(in.Umin);
        x.busMaxPeak = x.busMaxMethod = TextToDouble(in.Umax);
    }
    // The comparator trips when the sense voltage reaches Usense; flux follows the current.
    const double Usense = TextToDouble(in.Usense);
    x.Itrip = r.Rsense > 0 ? Usense / r.Rsense : 0;
    x.Btrip = r.Ipk > 0 ? r.Bpk * x.Itrip / r.Ipk : 0;
    x.headroomPct = r.Ipk > 0 ? (x.Itrip / r.Ipk - 1) * 100 : 0;
    x.insulatedFill = InsulatedFill(out, core, wires);
    return x;
}

Checks CheckFlyback(const FlybackOutcome& out, const CoreRecord& core, const CMaterial& material,
                    const CWireTable& wires, double capacitance) {
    const FlybackExtra extra = out.computed ? FlybackFigures(out, core, wires, capacitance) : FlybackExtra{};
    return CheckFlyback(out, core, material, extra);
}

Checks CheckFlyback(const FlybackOutcome& out, const CoreRecord& core, const CMaterial& material,
                    const FlybackExtra& x) {
    Checks checks;
    if (!out.computed) {
        CheckNotComputed(out.messages.empty() ? std::string() : out.messages.back().text, checks);
        return checks;
    }
    const FlybackResult& r = out.result;
    CheckFinite({{"mue", r.mue},
                 {"AL", r.AL},
                 {"Lp", r.Lp},
                 {"Np", r.Np},
                 {"Dmin", r.D[0]},
                 {"Ipk", r.Ipk},
                 {"Bpk", r.Bpk},
                 {"Blim", r.Blim},
                 {"Pcore", r.Pcore},
                 {"Rsense", r.Rsense},
                 {"Cin", r.Cin},
                 {"Kfill", r.Kfill}},
                checks);
    CheckDuty({{"при Umin", r.D[0]}, {"при Uном", r.D[1]}, {"при Umax", r.D[2]}}, checks);

    GapCheckData gap;
    gap.gap = out.input.yes_al ? GapForAL(r.AL, 1, core, material) : TextToDouble(out.input.zazor);
    gap.le = core.le, gap.An = core.An, gap.Ae = core.Ae, gap.mue = r.mue;
    gap.hasAlLaw = core.HasAlLaw();
    gap.toroid = IsToroidName(core.name);
    CheckGap(gap, checks);

    CheckCoreUse({r.Bpk, r.Blim, r.Ipk, x.Itrip, x.insulatedFill, TextToDouble(out.input.Fconv), r.dB}, material,
                 checks);
    CheckBus(out, x, checks);
    return checks;
}

}  // namespace fb
