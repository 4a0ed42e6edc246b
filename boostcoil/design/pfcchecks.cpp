#include "boostcoil/design/pfcchecks.h"

#include <cmath>

#include "common/analysis/corechecks.h"
#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

void CheckRipple(const PfcExtra& x, Checks& checks) {
    if (!(x.rippleSized > 0) || !(x.rippleWorst > 1.1 * x.rippleSized)) return;
    checks.push_back(
        {"pfc_ripple_worst",
         Severity::Warning,
         Phrase(
             "Наибольший размах пульсации тока {1} А (при сети {2} В) выше расчётного {3} А на {4} "
             "%. Учтите его в пиковом токе и потерях или увеличьте индуктивность.",
             {F3(x.rippleWorst), F0(x.rippleLine), F3(x.rippleSized), F0((x.rippleWorst / x.rippleSized - 1) * 100)}),
         {{"ripple_worst_A", x.rippleWorst}, {"ripple_line_V", x.rippleLine}, {"ripple_sized_A", x.rippleSized}}});
}

bool CheckOutputVoltage(const PfcResult& r, Checks& checks) {
    const double Umax = TextToDouble(r.input.Umax), U2nom = TextToDouble(r.input.U2nom);
    const double crest = std::sqrt(2.0) * Umax;
    if (U2nom > crest) return true;
    checks.push_back({"pfc_output_below_peak",
                      Severity::Error,
                      Phrase("Выходное напряжение {1} В не выше амплитуды сети {2} В: повышающий корректор так "
                             "работать не может. Задайте выходное напряжение выше {3} В или уменьшите Umax.",
                             {F0(U2nom), F1(crest), F0(crest)}),
                      {{"U2nom_V", U2nom}, {"line_crest_V", crest}}});
    return false;
}

// The hold-up capacitor stores ½·C·(U2nom² − U2min²): without a drop allowed it comes out
// infinite or negative.
void CheckHoldUp(const PfcResult& r, Checks& checks) {
    const double U2min = TextToDouble(r.input.U2min), U2nom = TextToDouble(r.input.U2nom);
    if (U2min < U2nom) return;
    checks.push_back({"pfc_holdup_voltage",
                      Severity::Error,
                      Phrase("Минимальное выходное напряжение {1} В не ниже номинального {2} В: ёмкость выходного "
                             "конденсатора получается бесконечной или отрицательной. Задайте минимальное напряжение "
                             "ниже номинального.",
                             {F0(U2min), F0(U2nom)}),
                      {{"U2min_V", U2min}, {"U2nom_V", U2nom}}});
}

double InsulatedFill(const PfcResult& r, const CWireTable& wires) {
    const double diz = wires.InsulatedDiameter(r.dw);
    const double An = TextToDouble(r.core.AnText);
    return An > 0 ? r.N * r.strands * std::acos(-1.0) * diz * diz / 4 / An : 0;
}

}  // namespace

Figures PfcExtra::ToFigures() const {
    return {{"irms_choke_line", "Действующий ток дросселя за период сети (Umin)", IrmsChoke, "А"},
            {"irms_switch_line", "Действующий ток ключа за период сети (Umin)", IrmsSwitch, "А"},
            {"irms_cap_line", "Действующий ток выходного конденсатора за период сети (Umin)", IrmsCap, "А"},
            {"ripple_worst", "Наибольший размах пульсации тока", rippleWorst, "А"},
            {"ripple_worst_line", "Напряжение сети наибольшей пульсации", rippleLine, "В"},
            {"fill_insulated", "Заполнение окна с изоляцией провода", insulatedFill, ""}};
}

PfcExtra PfcFigures(const PfcResult& r, const CWireTable& wires) {
    const PfcInput& in = r.input;
    const double Umin = TextToDouble(in.Umin), Umax = TextToDouble(in.Umax), U2 = TextToDouble(in.U2nom);
    const double f = TextToDouble(in.Fr);
    PfcExtra x;
    const PfcLineCycleRms rms = PfcRmsOverLineCycle({Umin, r.Iin_min, U2, r.I2, r.L, f});
    x.IrmsChoke = rms.choke, x.IrmsSwitch = rms.sw, x.IrmsCap = rms.cap;
    const PfcWorstRipple w = PfcWorstCaseRipple(Umin, Umax, U2, r.L, f);
    x.rippleWorst = w.dI, x.rippleLine = w.Uline;
    x.rippleSized = TextToDouble(in.Irip) / 100 * std::sqrt(2.0) * r.Iin_min;
    x.insulatedFill = InsulatedFill(r, wires);
    return x;
}

Checks CheckPfc(const PfcResult& r, const CMaterial& material, const CWireTable& wires) {
    return CheckPfc(r, material, r.calculated ? PfcFigures(r, wires) : PfcExtra{});
}

Checks CheckPfc(const PfcResult& r, const CMaterial& material, const PfcExtra& x) {
    Checks checks;
    if (!r.calculated) {
        CheckNotComputed(r.messages.empty() ? std::string() : r.messages.back().text, checks);
        return checks;
    }
    CheckFinite({{"Ve", r.Ve},
                 {"mue", r.mue},
                 {"AL", r.AL},
                 {"L", r.L},
                 {"N", r.N},
                 {"Ipk", r.Ipk_min},
                 {"Bpk", r.Bpk},
                 {"Blim", r.Blim},
                 {"Pcore", r.Pcore},
                 {"Irms", r.Irms},
                 {"Kfill", r.Kfill},
                 {"Cin", r.Cin},
                 {"Cout", r.Cout}},
                checks);
    CheckHoldUp(r, checks);
    if (CheckOutputVoltage(r, checks)) CheckDuty({{"при Umin", r.D_min}, {"при Umax", r.D_max}}, checks);

    GapCheckData gap;
    double Ffr = 1;
    gap.gap = r.input.yes_al ? GapForAL(r.AL, r.core, material, Ffr) : TextToDouble(r.input.zazor);
    gap.le = TextToDouble(r.core.leText), gap.An = TextToDouble(r.core.AnText), gap.mue = r.mue;
    gap.Ae = TextToDouble(r.core.AeText);
    gap.hasAlLaw = r.core.HasAlLaw();
    gap.toroid = IsToroidName(r.core.name);
    CheckGap(gap, checks);

    CheckCoreUse({r.Bpk, r.Blim, r.Ipk_min, r.Ilim, x.insulatedFill, TextToDouble(r.input.Fr), r.Bac}, material,
                 checks);
    CheckRipple(x, checks);
    return checks;
}

}  // namespace fb
