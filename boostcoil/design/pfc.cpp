#include "boostcoil/design/pfc.h"

#include <cmath>

#include "common/data/english.h"
#include "common/data/gapmodel.h"
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "common/files/fieldcatalogue.h"

namespace fb {

const int kPfcResultIds[24] = {1032, 1055, 1057, 1058, 1059, 1060, 1062, 1064, 1065, 1066, 1067, 1068,
                               1069, 1070, 1071, 1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079, 1051};

namespace {

constexpr double kEfficiency = 0.92;
constexpr double kPowerFactor = 0.99;
constexpr double kPallow = 200;        // allowed specific core loss, mW/cm³
constexpr double kInputRipple = 0.06;  // input capacitor's voltage ripple, share of Umin
constexpr double kHoldUp = 0.02;       // s
constexpr double kCapTolerance = 0.8;
constexpr double kStrandTolerance = 1.1;
constexpr double kLimitMargin = 1.2;

// Reads a typed number the way every run does: the field itself keeps the point afterwards.
double ReadNumber(std::string& text) {
    text = CommaToPoint(text);
    return TextToDouble(text);
}

// Truncation plus one when the truncated value is below the value, in doubles so that a
// huge or infinite count never becomes an out-of-range integer conversion.
double Ceil(double x) {
    const double k = std::trunc(x);
    return k < x ? k + 1 : k;
}

// The numbers of one run, read once (step 1).
struct Prepared {
    double Ae = 0, An = 0, le = 0, mu = 0;
    double Umin = 0, Umax = 0, Fr = 0, Irip = 0, j = 0, U2min = 0, U2nom = 0, U2max = 0, P2 = 0;
    double d11 = 0, zazor = 0, r = 0, sqrt2 = 0;
    GapCore gap;
};

Prepared Prepare(PfcInput& in, CoreRecord& core, const CMaterial& material, PfcResult& res) {
    Prepared p;
    // 1. Core values from the form's texts, the inputs, the core volume.
    p.Ae = ReadNumber(core.AeText);
    p.An = ReadNumber(core.AnText);
    p.le = ReadNumber(core.leText);
    core.muText = CommaToPoint(core.muText);
    p.mu = TextToInt(core.muText);
    p.Umin = ReadNumber(in.Umin);
    p.Umax = ReadNumber(in.Umax);
    p.Fr = ReadNumber(in.Fr);
    p.Irip = ReadNumber(in.Irip);
    p.j = ReadNumber(in.j);
    p.U2min = ReadNumber(in.U2min);
    p.U2nom = ReadNumber(in.U2nom);
    p.U2max = ReadNumber(in.U2max);
    p.P2 = ReadNumber(in.P2);
    p.d11 = ReadNumber(in.d11);
    p.zazor = ReadNumber(in.zazor);
    res.Ve = p.Ae * p.le / 1000;
    core.Ve = res.Ve;
    core.VeText = F3(res.Ve);
    // 2. Ripple clamp.
    if (p.Irip < 1) {
        p.Irip = 1;
        in.Irip = F1(p.Irip);
    }
    if (p.Irip > 200) {
        p.Irip = 200;
        in.Irip = F1(p.Irip);
    }
    p.r = p.Irip / 100;
    p.sqrt2 = std::sqrt(2.0);
    // 3. Residual gap of the core's own permeability.
    p.gap.Ae = p.Ae;
    p.gap.le = p.le;
    p.gap.mui = material.mu;
    p.gap.k1 = core.k1;
    p.gap.k2 = core.k2;
    p.gap.g0 = ResidualGap(p.le, p.mu, material.mu);
    return p;
}

// RMS current of the output capacitor for one mains extreme (step 21).
double CapacitorCurrent(double Ipk, double dI, double D, double I2) {
    const double v = Ipk - dI;
    double Icap2 = 0;
    if (v > I2) {
        const double a = v - I2;
        Icap2 = I2 * I2 * D + (1 - D) * (a * a + a * dI + dI * dI / 3);
    } else {
        const double b = dI + I2 - Ipk;
        const double c = Ipk - I2;
        Icap2 = I2 * I2 * D + (1 - D) * (c * c * c + b * b * b) / (3 * dI);
    }
    return std::sqrt(Icap2);
}

// Steps 4 to 22 of one pass with the entered gap or AL `zazor`; Ffr is left for GapForAL.
void DesignPass(const Prepared& p, double zazor, int yes_al, const CMaterial& m, PfcResult& r, double& Ffr) {
    const double sqrt2 = p.sqrt2;
    // 4.-5. AL of the core as entered.
    Ffr = 1;
    r.AL = yes_al == 1 ? zazor : ALForGap(zazor, p.gap, Ffr);
    r.mue = r.AL * p.le / (kMu0 * p.Ae);
    // 6.-12. Currents, duty, volt-seconds, inductance, capacitors.
    r.I2 = p.P2 / p.U2nom;
    r.Pin = p.P2 / kEfficiency / kPowerFactor;
    r.Iin_min = r.Pin / p.Umin;
    r.Iin_max = r.Pin / p.Umax;
    r.dI_min = p.r * sqrt2 * r.Iin_min;
    r.D_min = (p.U2nom - sqrt2 * p.Umin) / p.U2nom;
    r.D_max = (p.U2nom - sqrt2 * p.Umax) / p.U2nom;
    r.VT_min = 1000 * sqrt2 * p.Umin * r.D_min / p.Fr;
    r.VT_max = 1000 * sqrt2 * p.Umax * r.D_max / p.Fr;
    r.Lreq = r.VT_min / r.dI_min;
    r.Cin = r.Iin_min * p.r * 0.5 / M_PI / p.Fr / p.Umin / kInputRipple * 1e6;
    r.Cout = 2 * p.P2 * kHoldUp / (p.U2nom * p.U2nom - p.U2min * p.U2min) / kCapTolerance * 1e6;
    // 13.-15. Turns, inductance, final ripple and peaks.
    r.N = Ceil(std::sqrt(r.Lreq / (r.AL / 1000)));
    r.L = (r.AL / 1000) * (r.N * r.N);
    r.dI_min = r.VT_min / r.L;
    r.dI_max = r.VT_max / r.L;
    r.Ipk_min = sqrt2 * r.Iin_min + r.dI_min / 2;
    r.Ipk_max = sqrt2 * r.Iin_max + r.dI_max / 2;
    // 16.-20. Flux limits, core loss, peak flux.
    r.Bac_max = m.MaxFluxForLoss(p.Fr, kPallow);
    r.Blim = 2 * r.Ipk_min * r.Bac_max / r.dI_min;
    if (r.Blim > m.Bmax) r.Blim = m.Bmax;
    r.Bac = 0.5 * r.dI_min * r.L / (r.N * p.Ae);
    r.Pv = m.LossDensity(p.Fr, r.Bac);
    r.Pcore = r.Pv * r.Ve / 1000;
    r.Bpk = r.Ipk_min * r.L / (r.N * p.Ae);
    // 21. Output capacitor current, the larger of the two mains extremes.
    const double atMin = CapacitorCurrent(r.Ipk_min, r.dI_min, r.D_min, r.I2);
    const double atMax = CapacitorCurrent(r.Ipk_max, r.dI_max, r.D_max, r.I2);
    r.Icout = atMax > atMin ? atMax : atMin;
    // 22. Largest usable AL.
    r.N_B = Ceil(r.Lreq * r.Ipk_min / (r.Blim * p.Ae));
    const double L_B = r.N_B * r.Blim * p.Ae / r.Ipk_min;
    r.AL_req = 1000 * L_B / (r.N_B * r.N_B);
}

// What step 23 found for the entered gap or AL.
enum class Entered {
    Fits,       // nothing to correct
    Corrected,  // it falls short (and was corrected when asked to)
    Refused,    // the correction would need a value no core can have: the design stops
};

// Step 23: the text of 1055 and, when the entered value does not fit, its corrected text.
// A correction is written only when asked and only when the core can hold it: a gap below
// the model's limit, an AL above 0; otherwise `refusal` says why.
Entered AdjustEntered(Prepared& p, PfcInput& in, PfcResult& r, double& Ffr, bool correct, std::string& refusal) {
    // An infinite requirement ends the loop like a nan one: its text ("inf") would read back
    // as 0, and the loop would go round for ever with the same value.
    std::string corrected;
    if (in.yes_al == 1) {
        r.texts[pfcid::kRequired] = F0(r.AL_req);
        if (!(r.AL_req < p.zazor) || !std::isfinite(r.AL_req)) return Entered::Fits;
        corrected = F0(r.AL_req - 0.5);
        if (!(TextToDouble(corrected) > 0))
            refusal = Phrase(
                "Требуемая величина AL получилась {1} нГн/виток^2: сердечника с такой AL нет, расчет не "
                "выполнен, величина AL не изменена.\nПроверьте мощность и напряжения.",
                {F1(r.AL_req)});
    } else {
        r.gap_req = GapForAL(r.AL_req, p.gap, Ffr);
        r.texts[pfcid::kRequired] = F3(r.gap_req + 0.0005);
        if (!(r.gap_req > p.zazor) || !std::isfinite(r.gap_req)) return Entered::Fits;
        corrected = F2(r.gap_req + 0.005);
        if (!GapModelHolds(TextToDouble(corrected), p.le)) refusal = GapBeyondModelText(TextToDouble(corrected), p.le);
    }
    if (!refusal.empty()) return Entered::Refused;
    if (correct) {
        in.zazor = corrected;
        p.zazor = TextToDouble(in.zazor);
    }
    return Entered::Corrected;
}

// Steps 25 to 27: the standard diameter for d11, the wire and its strands.
void ChooseWinding(const Prepared& p, PfcInput& in, CWireTable& wires, PfcResult& r) {
    if (wires.N < 1) {
        // Nothing to choose from: the wire results stay empty and the user learns why.
        r.messages.push_back(Warning("В файле \"Wire.txt\" нет ни одного диаметра провода: провод не подобран."));
        for (int id : {pfcid::kWire, pfcid::kStrands, pfcid::kJmax, pfcid::kKfill}) r.texts[id] = "";
        return;
    }
    CWireTable::Nearest nearest = wires.NearestStandard(in.d11);
    in.d11 = nearest.text;
    if (nearest.message) r.messages.push_back(*nearest.message);
    const int K = wires.N;
    if (in.yes_d == 1) {
        const int i = wires.chosen >= 1 && wires.chosen <= K ? wires.chosen : 1;
        r.dw = wires.d[i];
        r.Sw = wires.S[i];
        double n = r.Sreq / r.Sw;
        if (n < 1) n = 1;
        const double k = std::trunc(n);
        r.strands = n / k <= kStrandTolerance ? k : k + 1;
    } else {
        const double n = wires.S[K] < r.Sreq ? r.Sreq / wires.S[K] : 1;
        r.strands = Ceil(n);
        // Rounding (or a nan current) can leave no table area at or above the need: the
        // largest wire is taken then.
        int m = 1;
        while (m < K && !(wires.S[m] >= r.Sreq / r.strands)) ++m;
        r.dw = wires.d[m];
        r.Sw = wires.S[m];
    }
    // 27.
    const double Sc = r.strands * r.Sw;
    r.jmax = r.Irms / Sc;
    r.Kfill = r.N * Sc / p.An;
    r.texts[pfcid::kWire] = TidyNumber(r.dw);
    r.texts[pfcid::kStrands] = F0(r.strands);
    r.texts[pfcid::kJmax] = F3(r.jmax);
    r.texts[pfcid::kKfill] = F3(r.Kfill);
}

std::string InfoText(const PfcResult& r) {
    return "Индуктивность сердечника, нГн/виток^2\t" + r.ALText + "\r\nЭффективная магнитная проницаемость\t" +
           F1(r.mue) + "\r\n\r\nДействующий ток в обмотке, максимальный\t" + F3(r.Irms) +
           " A\r\nДействующий ток в ключе, максимальный\t" + F3(r.Isw) +
           " A\r\n\r\nНастройка ограничения тока не более\t" + F3(r.Ilim) + " A\r\n";
}

void SetResultTexts(PfcResult& r) {
    using namespace pfcid;
    r.texts[kVe] = F3(r.Ve);
    r.texts[kBlim] = F3(r.Blim);
    r.texts[kBpk] = F3(r.Bpk);
    r.tooltips[kBpk] = std::string(tip::kAcFlux) + " " + F3(r.Bac) + " T";
    r.texts[kPcore] = F3(r.Pcore);
    const ValueWithUnit Lreq = InductanceText(r.Lreq);
    const ValueWithUnit L = InductanceText(r.L);
    const ValueWithUnit Cin = InputCapacitorText(r.Cin);
    r.texts[kLreq] = Lreq.text;
    r.labels[kLreqUnit] = Lreq.unit;
    r.texts[kL] = L.text;
    r.labels[kLUnit] = L.unit;
    r.texts[kCin] = Cin.text;
    r.labels[kCinUnit] = Cin.unit;
    r.texts[kN] = F0(r.N);
    r.texts[kIinMin] = F3(r.Iin_min);
    r.texts[kIinMax] = F3(r.Iin_max);
    r.texts[kIpkMin] = F3(r.Ipk_min);
    r.texts[kIpkMax] = F3(r.Ipk_max);
    r.texts[kDIMin] = F3(r.dI_min);
    r.texts[kDIMax] = F3(r.dI_max);
    r.texts[kDMin] = F3(r.D_min);
    r.texts[kDMax] = F3(r.D_max);
    r.texts[kIcout] = F3(r.Icout);
    r.texts[kCout] = OutputCapacitorText(r.Cout);
    r.texts[kInfo] = InfoText(r);
}

void SetEmptyTexts(PfcResult& r) {
    for (int id : kPfcResultIds) r.texts[id] = "";
    r.texts[pfcid::kVe] = r.core.VeText;
    r.labels[pfcid::kLreqUnit] = "мкГн";
    r.labels[pfcid::kLUnit] = "мкГн";
    r.labels[pfcid::kCinUnit] = "нФ";
    r.tooltips[pfcid::kBpk] = tip::kAcFlux;
}

// Steps 24 to 29, after the loop, with the values of its last pass.
void FinishDesign(const Prepared& p, PfcInput& in, const CMaterial& m, const CWireTable& table, PfcResult& r) {
    // 24.
    const double a = r.Ipk_min - r.dI_min;
    r.Irms = std::sqrt(a * a + a * r.dI_min + r.dI_min * r.dI_min / 3);
    r.Isw = std::sqrt(r.D_min) * r.Irms;
    r.Sreq = r.Irms / p.j;
    // 25.-27. on a copy: the design keeps no state, the chosen wire is its own business.
    CWireTable wires = table;
    ChooseWinding(p, in, wires, r);
    // 28.
    r.Ilim = m.Bmax / r.Bpk * r.Ipk_min * kLimitMargin;
    // 29. and every other result text of the last pass.
    SetResultTexts(r);
}

// The values the window shows. A zero divisor (Umin, Fr, U2nom, P2, j, U2nom = U2min, a core
// or wire figure) makes some of them infinite or undefined; they are shown as the formatting
// gives them, and the user is told why instead of being left with "inf" and "nan".
bool ShownValuesFinite(const PfcResult& r, int yes_al) {
    return AllFinite({r.Ve,
                      r.mue,
                      r.AL,
                      r.Iin_min,
                      r.Iin_max,
                      r.D_min,
                      r.D_max,
                      r.Lreq,
                      r.N,
                      r.L,
                      r.dI_min,
                      r.dI_max,
                      r.Ipk_min,
                      r.Ipk_max,
                      r.Cin,
                      r.Cout,
                      r.Blim,
                      r.Bac,
                      r.Pcore,
                      r.Bpk,
                      r.Icout,
                      r.Irms,
                      r.Isw,
                      r.Ilim,
                      r.dw,
                      r.strands,
                      r.jmax,
                      r.Kfill,
                      yes_al == 1 ? r.AL_req : r.gap_req});
}

}  // namespace

ValueWithUnit InputCapacitorText(double nF) {
    if (nF >= 1000) return {F1(nF / 1000), "мкФ"};
    return {F1(nF), "нФ"};
}

std::string OutputCapacitorText(double uF) { return uF >= 1000 ? F0(uF) : F1(uF); }

double GapForAL(double AL, const CoreRecord& core, const CMaterial& material, double& Ffr) {
    GapCore g;
    g.Ae = TextToDouble(core.AeText);
    g.le = TextToDouble(core.leText);
    g.mui = material.mu;
    g.k1 = core.k1;
    g.k2 = core.k2;
    g.g0 = ResidualGap(g.le, TextToInt(core.muText), material.mu);
    return GapForAL(AL, g, Ffr);
}

GapAlLabels LabelsForMode(int yes_al) {
    if (yes_al != 0) return {"Требуемая величина AL, не более", ""};
    return {"Требуемый немагнитный зазор, не менее", "мм"};
}

PfcResult CalculateChoke(const PfcInput& input, const CoreRecord& core, const CMaterial& material,
                         const CWireTable& wires) {
    PfcResult r;
    r.input = input;
    r.core = core;
    const GapAlLabels modeLabels = LabelsForMode(input.yes_al);
    r.labels[pfcid::kRequiredLabel] = modeLabels.label;
    r.labels[pfcid::kRequiredUnit] = modeLabels.unit;
    if (!material.Usable()) {
        // The loss lookups need two frequencies and two flux densities; without them every
        // flux limit would be 0 and the design meaningless.
        SetEmptyTexts(r);
        r.messages.push_back(
            Warning(Phrase("Материал \"{1}\" не содержит таблицы потерь (нужны не менее двух частот и "
                           "двух значений индукции). Расчет не выполнен.",
                           {material.name})));
        return r;
    }
    r.calculated = true;
    // Zero divisors (Umin, Fr, Ae, a zero P2, U2nom = U2min, ...) are not refused: they give
    // inf or nan, which the texts show as such and which end the correction loop.
    Prepared p = Prepare(r.input, r.core, material, r);
    double Ffr = 1;
    for (;;) {
        ++r.passes;
        DesignPass(p, p.zazor, r.input.yes_al, material, r, Ffr);
        r.ALText = F1(r.AL);
        const bool lastAllowed = r.passes == kPfcMaxPasses;
        std::string refusal;
        const Entered entry = AdjustEntered(p, r.input, r, Ffr, !lastAllowed, refusal);
        if (entry == Entered::Refused) {
            // Every field keeps the text the user entered; no result of an absurd core is shown.
            r.input = input;
            r.calculated = false;
            SetEmptyTexts(r);
            r.messages.push_back(Warning(refusal));
            return r;
        }
        if (entry == Entered::Fits) break;
        if (lastAllowed) {
            // A requirement that keeps moving: stop with the last pass rather than hang, and
            // leave the entered value as the shown results were computed with it.
            r.messages.push_back(
                Warning(Phrase(r.input.yes_al == 1 ? "Величина AL не подобрана за {1} проходов "
                                                     "расчета. Показаны результаты последнего прохода."
                                                   : "Немагнитный зазор не подобрана за {1} проходов "
                                                     "расчета. Показаны результаты последнего прохода.",
                               {FormatInt(kPfcMaxPasses)})));
            break;
        }
    }
    FinishDesign(p, r.input, material, wires, r);
    if (!ShownValuesFinite(r, r.input.yes_al)) r.messages.push_back(NotFiniteWarning());
    return r;
}

}  // namespace fb
