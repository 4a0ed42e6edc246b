// DesignFlyback: the order of one run, the input conversion, the guards and the messages.
#include "flyback/design/flyback.h"

#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "flyback/design/fields.h"
#include "flyback/design/run.h"

namespace fb {

std::string FlybackInput::*const kU2[5] = {&FlybackInput::U21, &FlybackInput::U22, &FlybackInput::U23,
                                           &FlybackInput::U24, &FlybackInput::U25};
std::string FlybackInput::*const kI2[5] = {&FlybackInput::I21, &FlybackInput::I22, &FlybackInput::I23,
                                           &FlybackInput::I24, &FlybackInput::I25};
std::string FlybackInput::*const kUd[5] = {&FlybackInput::Ud1, &FlybackInput::Ud2, &FlybackInput::Ud3,
                                           &FlybackInput::Ud4, &FlybackInput::Ud5};
std::string FlybackInput::*const kD2[5] = {&FlybackInput::d21, &FlybackInput::d22, &FlybackInput::d23,
                                           &FlybackInput::d24, &FlybackInput::d25};
std::string FlybackInput::*const kW2[5] = {&FlybackInput::w21, &FlybackInput::w22, &FlybackInput::w23,
                                           &FlybackInput::w24, &FlybackInput::w25};
std::string FlybackInput::*const kN2[5] = {&FlybackInput::n21, &FlybackInput::n22, &FlybackInput::n23,
                                           &FlybackInput::n24, &FlybackInput::n25};

double RoundUpTurns(double x) {
    const double m = std::trunc(x);
    return m < x ? m + 1 : m;
}

namespace {

// The number fields of the form with the caption a message names when one overflows.
struct NumberField {
    std::string FlybackInput::*text;
    const char* caption;
};

// A guard's message whose second line names the field to correct by its caption: `russian`
// ends with "{1}" in its template.
std::string FixField(const char* russian, const char* key) {
    return Phrase(std::string(russian) + "\nИсправьте поле \"{1}\".", {Localized(FlybackCaption(key))});
}

std::string TooLarge(const char* caption) {
    return Phrase("Число в поле \"{1}\" слишком велико.\nВведите обычное число.", {Localized(caption)});
}

// The number fields in the order their overflow is checked.
const char* const kNumberKeys[] = {"Fconv", "Umin", "Unom", "Umax", "Umirror", "Utrmax",
                                   "Rds",   "Unas", "j",    "Iccm", "Usense"};

}  // namespace

const std::vector<int>& FlybackTooltipTools() {
    static const std::vector<int> ids = {
        ctl::kBpk,    ctl::kLp,    ctl::kNp,        ctl::kPrimaryWire, ctl::kWireBase,  ctl::kIinMin,   ctl::kIinMax,
        ctl::kIinNom, ctl::kJBase, ctl::kJBase + 1, ctl::kJBase + 2,   ctl::kJBase + 3, ctl::kJBase + 4};
    return ids;
}

// The text a tool carries before any value is known: the catalogue's tip of the result.
std::string StartTooltip(int id) { return ResultOf(FlybackResultFields(), id).tip; }

std::string RequiredCaption(int yes_al) {
    return yes_al != 0 ? "Требуемая величина AL, не более" : "Требуемый немагнитный зазор, не менее";
}

std::string RequiredUnit(int yes_al) { return yes_al != 0 ? "" : "мм"; }

FlybackRun::FlybackRun(const FlybackInput& in, const CoreRecord& core, const CMaterial& material, CWireTable& wires)
    : m_core(core), m_mat(material), m_wires(wires), m_in(m_out.input), m_r(m_out.result), m_al(in.yes_al != 0) {
    m_out.input = in;
}

// A whole text in the chosen language (one composed with values comes through Phrase already).
bool FlybackRun::Stop(std::string text) {
    m_stop = Localized(text);
    return false;
}

// Every result blank, every tool back to its plain text, results of the design file cleared.
void FlybackRun::Blank() {
    for (int id : FlybackResultControls()) m_out.results[id] = "";
    for (int id : FlybackTooltipTools()) m_out.tooltips[id] = StartTooltip(id);
    m_out.labels[ctl::kLpUnit] = "мкГн";
    m_out.labels[ctl::kRequiredCaption] = RequiredCaption(m_in.yes_al);
    m_out.labels[ctl::kRequiredUnit] = RequiredUnit(m_in.yes_al);
    m_in.w1.clear();
    m_in.n1.clear();
    for (int i = 0; i < 5; ++i) {
        (m_in.*kW2[i]).clear();
        (m_in.*kN2[i]).clear();
    }
}

// Step 2: "," -> "." in the number fields (kept in the fields), then the values.
bool FlybackRun::ReadNumbers() {
    std::vector<NumberField> fields;
    for (const char* key : kNumberKeys) fields.push_back({FieldOf(FlybackFields(), key).text, FlybackCaption(key)});
    fields.push_back({&FlybackInput::zazor, ZazorCaption(m_al)});
    for (int i = 0; i < 5; ++i)
        for (const char* column : {"U2", "I2", "Ud"}) {
            const InputField<FlybackInput>& f = FieldOf(FlybackFields(), column + FormatInt(i + 1));
            fields.push_back({f.text, f.caption});
        }
    for (const NumberField& f : fields) m_in.*f.text = CommaToPoint(m_in.*f.text);
    m_afterCommas = m_in;
    // A number beyond the double range ("1e400") reads as infinity: refuse it by name.
    for (const NumberField& f : fields)
        if (!std::isfinite(TextToDouble(m_in.*f.text))) return Stop(TooLarge(f.caption));
    Fconv = TextToDouble(m_in.Fconv);
    Umin = TextToDouble(m_in.Umin);
    Unom = TextToDouble(m_in.Unom);
    Umax = TextToDouble(m_in.Umax);
    Umirror = TextToDouble(m_in.Umirror);
    Utrmax = TextToDouble(m_in.Utrmax);
    Rds = TextToDouble(m_in.Rds);
    Unas = TextToDouble(m_in.Unas);
    j = TextToDouble(m_in.j);
    Iccm = TextToDouble(m_in.Iccm) / 100;
    Usense = TextToDouble(m_in.Usense);
    for (int i = 0; i < 5; ++i) {
        U2[i] = TextToDouble(m_in.*kU2[i]);
        I2[i] = TextToDouble(m_in.*kI2[i]);
        Ud[i] = TextToDouble(m_in.*kUd[i]);
    }
    zazor = TextToDouble(m_in.zazor);
    return true;
}

// Guards against data that would divide by zero or leave the lookups without a table.
bool FlybackRun::CheckInputs() {
    // The loss lookups need two frequencies and two flux densities; the gap formulas need
    // the material permeability.
    if (!m_mat.Usable() || (!m_al && !(m_mat.mu > 0)))
        return Stop(
            Phrase("Данные материала \"{1}\" неполны: нужны проницаемость mu и таблица потерь не менее чем с "
                   "двумя частотами и двумя значениями индукции.\nВыберите другой материал или исправьте файл "
                   "материала.",
                   {m_mat.name}));
    // ChooseWire has nothing to choose from an empty table.
    if (m_wires.N < 1)
        return Stop("Таблица стандартных проводов пуста.\nДобавьте диаметры проводов (d1, diz1, ...) в файл Wire.txt.");
    // Ae, le divide the flux and gap formulas, An the fill factor; the core permeability
    // enters the residual gap of the fringing formula.
    const bool needCoreMu = !m_al && !m_core.HasAlLaw();
    if (!(m_core.Ae > 0) || !(m_core.le > 0) || !(m_core.An > 0) || (needCoreMu && !(m_core.mu > 0)))
        return Stop(
            Phrase("Данные сердечника \"{1}\" неполны: площадь сечения Ae, длина средней линии le, площадь "
                   "окна An и эффективная проницаемость должны быть больше 0.\nВыберите другой сердечник или "
                   "исправьте его данные.",
                   {m_core.name}));
    // Fconv divides the energy per period, the skin depth and every current swing.
    if (!(Fconv > 0)) return Stop(FixField("Частота преобразования должна быть больше 0.", "Fconv"));
    // A supply of 0 V makes the duty cycle 1 and the current swing 0 (0/0 in the peak current).
    if (!(Umin > 0) || !(Unom > 0) || !(Umax > 0))
        return Stop(FixField("Напряжения питания (мин., ном., макс.) должны быть больше 0.", "Umin"));
    // 1 - Iccm divides the inductance limit and the permitted flux.
    if (!(Iccm >= 0) || !(Iccm < 1))
        return Stop(FixField("Неразрывность тока должна быть не меньше 0 и меньше 100 %.", "Iccm"));
    // j divides the copper area of every winding.
    if (!(j > 0)) return Stop(FixField("Плотность тока должна быть больше 0.", "j"));
    // U21 + Ud1 divides the turns ratio and the turns of the other secondaries.
    if (!(U2[0] + Ud[0] > 0))
        return Stop(
            "Сумма напряжения первой вторичной обмотки и падения на ее диоде должна быть больше 0.\n"
            "Заполните строку 1 вторичных обмоток.");
    // zazor is the AL that divides the equivalent length in AL mode.
    if (m_al && !(zazor > 0))
        return Stop("Индуктивность сердечника (AL) должна быть больше 0.\nИсправьте величину AL.");
    return true;
}

// Part of step 1 of the primary side: the AC factor, the ripple and the switch drop.
bool FlybackRun::Supply() {
    if (m_in.setevoe == 1) {
        Umin = Umin * kAcToDc;
        Unom = Unom * kAcToDc;
        Umax = Umax * kAcToDc;
    }
    dUin = kInputRipple * Umin;
    Us = m_in.rds == 1 ? 0 : Unas;
    // The AC factor can push a value near the double range over it.
    if (std::isinf(Umin) || std::isinf(Unom) || std::isinf(Umax)) return Stop(TooLarge(FlybackCaption("Umin")));
    return true;
}

// Step 2: output power and energy per period.
bool FlybackRun::Power() {
    double P[5] = {};
    for (int i = 0; i < 5; ++i) {
        m_r.present[i] = U2[i] != 0;
        if (m_r.present[i]) P[i] = (U2[i] + Ud[i]) * I2[i];
    }
    Pout = P[0] + P[1] + P[2] + P[3] + P[4];
    Wcyc = Pout * 1000 / (Fconv * kEta);
    if (std::isinf(Wcyc))
        return Stop("Выходная мощность получилась слишком большой.\nПроверьте напряжения и токи вторичных обмоток.");
    // Wcyc divides the inductance limit and the continuity: no load, no design.
    if (!(Wcyc > 0))
        return Stop(
            "Выходная мощность получилась не больше 0.\nЗаполните напряжение и ток хотя бы одной "
            "вторичной обмотки.");
    return true;
}

// Permitted AC flux amplitude (once per run).
bool FlybackRun::FluxLimit() {
    dBlim = m_mat.MaxFluxForLoss(Fconv, kPallow);
    if (dBlim > 0.5 * (1 - Iccm) * m_mat.Bmax) dBlim = 0.5 * (1 - Iccm) * m_mat.Bmax;
    m_r.dBlim = dBlim;
    // dBlim divides the minimum turns; a material without limits or losses gives none.
    if (!(dBlim > 0) || !std::isfinite(dBlim))
        return Stop(
            Phrase("Допустимая амплитуда индукции получилась не больше 0.\nПроверьте Bmax, Bmmax и таблицу "
                   "потерь материала \"{1}\".",
                   {m_mat.name}));
    return true;
}

// Step 4: the reflected voltage, chosen by the design with Auto.
bool FlybackRun::ReflectedVoltage() {
    if (m_in.Auto == 1) {
        Umirror = kAutoMirrorShare * Umin;
        if (Utrmax - 2 * Umirror - Umax < 0) Umirror = 0.5 * (Utrmax - Umax);
        m_in.Umirror = F0(Umirror);
    }
    Ur = Umirror;
    // Ur = 0 makes the turns ratio 0 and the match of the reflected voltage endless.
    if (!(Umirror > 0)) {
        if (m_in.Auto == 1)
            return Stop(
                Phrase("Отраженное напряжение получилось не больше 0.\nУвеличьте поле \"{1}\": оно должно быть "
                       "больше максимального напряжения питания.",
                       {Localized(FlybackCaption("Utrmax"))}));
        return Stop(FixField("Отраженное напряжение должно быть больше 0.", "Umirror"));
    }
    return true;
}

// One pass of the correction loop; false when a guard stopped it.
bool FlybackRun::Pass() {
    m_earlierNotices = m_wireMessages.size();
    if (!InductanceFactor()) return false;
    Ktr = Ur / (U2[0] + Ud[0]);
    if (!TurnLimits() || !WholeTurns() || !MatchReflectedVoltage()) return false;
    m_r.Ur = Ur;
    m_r.Uovs = Utrmax - Ur - Umax;
    ShowSetText(ctl::kUr, F1(Ur));
    ShowSetText(ctl::kUovs, F1(m_r.Uovs));
    Lp = Np * ALuH * Np;
    m_r.Lp = Lp;
    OperatingPointAt(2, Umax);
    OperatingPointAt(1, Unom);
    OperatingPointAtUmin();
    CoreFlux();
    m_r.Rsense = Usense / Ipk / m_r.Blim * m_r.Bpk;
    m_r.Cin = Iin * kCapacitorConstant / dUin;
    ShowSetText(ctl::kRsense, F3(m_r.Rsense));
    ShowSetText(ctl::kCin, F0(m_r.Cin));
    if (!PrimaryWire() || !Secondaries()) return false;
    WindowFill();
    return true;
}

FlybackOutcome FlybackRun::Run() {
    Blank();
    m_wireMessages.clear();
    const bool ok = [&] {
        if (!ReadNumbers() || !CheckInputs()) return false;
        // Step 4 of the run: skin depth (its tips are written with the wires).
        delta = kSkinDepthCopper / std::sqrt(Fconv);
        m_r.delta = delta;
        if (!Supply() || !Power() || !FluxLimit() || !ReflectedVoltage()) return false;
        m_r.corrected = false;
        for (int pass = 1;; ++pass) {
            m_r.passes = pass;
            if (pass > kMaxCorrectionPasses)
                return Stop(m_al ? "Подбор величины AL не закончился за 1000 проходов.\nЗадайте меньшую величину AL."
                                 : "Подбор зазора не закончился за 1000 проходов.\nЗадайте больший зазор.");
            if (!Pass()) return false;
            // Anything infinite or undefined left (data the guards above cannot foresee)
            // must not reach the form as "inf" or "nan".
            if (!AllFinite()) return Stop(kNotFiniteText);
            bool repeat = false;
            if (!Correction(repeat)) return false;
            if (!repeat) break;
            m_r.corrected = true;
        }
        return true;
    }();
    if (!ok) {
        // A guard keeps only the comma replacement of the inputs and shows its own message.
        m_out = FlybackOutcome{};
        m_in = m_afterCommas;
        Blank();
        m_out.messages.push_back(Warning(m_stop.value_or("")));
        return m_out;
    }
    FinishTexts();
    return m_out;
}

// Steps 7 to 10 of the run: labels, messages in their order, computed.
void FlybackRun::FinishTexts() {
    m_out.computed = true;
    const ValueWithUnit lp = InductanceText(Lp);
    m_out.results[ctl::kLp] = lp.text;
    m_out.labels[ctl::kLpUnit] = lp.unit;
    m_out.messages = m_wireMessages;
    if (m_r.corrected) {
        if (m_al)
            m_out.messages.push_back(
                Warning(Phrase("Заданная индуктивность сердечника оказалась велика.\n"
                               "Индуктивность сердечника была уменьшена до {1} нГн/виток2",
                               {m_in.zazor})));
        else
            m_out.messages.push_back(Warning(Phrase(
                "Заданная величина зазор оказалась недостаточной.\nЗазор был увеличен до {1} мм", {m_in.zazor})));
    }
    if (FluxWarning(m_r.Blim, m_r.Bpk))
        m_out.messages.push_back(
            Warning("Амплитуда индукции получилась больше допустимой.\nВыберите большее значение "
                    "зазора или выберите сердечник большего размера."));
    if (WindowWarning(m_r.Kfill))
        m_out.messages.push_back(
            Warning("Коэффициент заполнения окна больше 0,3.\nПросчитайте размещаемость обмотки "
                    "или выберите сердечник большего размера."));
}

bool FlybackRun::AllFinite() const {
    const FlybackResult& r = m_r;
    if (!fb::AllFinite({r.mue,    r.AL,     r.Ur,     r.Uovs,    r.Lp,       r.LpMax,
                        r.NpMin,  r.Np,     r.Ipk,    r.dB,      r.Bpk,      r.Blim,
                        r.Pcore,  r.Rsense, r.Cin,    r.Kfill,   r.primaryJ, r.primaryStrands,
                        r.D[0],   r.D[1],   r.D[2],   r.Kc[0],   r.Kc[1],    r.Kc[2],
                        r.Iin[0], r.Iin[1], r.Iin[2], r.Irms[0], r.Irms[1],  r.Irms[2]}))
        return false;
    for (int i = 0; i < 5; ++i)
        if (r.present[i] &&
            !fb::AllFinite({r.Ns[i], r.strands[i], r.J[i], r.Uout[i], r.Udrev[i], r.Icrms[i], r.IrmsSec[i]}))
            return false;
    return true;
}

FlybackOutcome DesignFlyback(const FlybackInput& in, const CoreRecord& core, const CMaterial& material,
                             CWireTable& wires) {
    FlybackRun run(in, core, material, wires);
    return run.Run();
}
}  // namespace fb
