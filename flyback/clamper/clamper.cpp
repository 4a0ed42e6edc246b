#include "flyback/clamper/clamper.h"

#include <stdexcept>

#include <cmath>

#include "common/data/numbers.h"
#include "common/data/textcodec.h"

namespace fb {
namespace {

constexpr double kPi = 3.141592653589793;

// The estimate of the drain capacitance is the input it may be carried into.
const char* const kEquivalentC = "Эквивалентная емкость";
const char* const kEquivalentCEn = "Equivalent capacitance";

// A typed number: the field keeps its commas turned into points, as every calculation leaves it.
double ReadField(std::string& text) {
    text = CommaToPoint(text);
    return TextToDouble(text);
}

}  // namespace

const std::vector<ClamperField>& ClamperFields() {
    namespace id = clamperid;
    static const std::vector<ClamperField> fields = {
        {"Urefl", id::Urefl, &ClamperInput::Urefl, kReflectedVoltage, kReflectedVoltageEn, "В",
         "Отраженное напряжение, берется из результатов расчета трансформатора."},
        {"Uclamp", id::Uclamp, &ClamperInput::Uclamp, "Амплитуда выброса", "Overshoot amplitude", "В",
         "Желаемое напряжение выброса над отраженным напряжением от энергии, запасенной в индуктивности рассеяния "
         "первичной обмотки."},
        {"Cclamp", id::Cclamp, &ClamperInput::Cclamp, "Емкость конденсатора", "Capacitor", "нФ"},
        {"Ipk", id::Ipk, &ClamperInput::Ipk, caption::kPeakCurrent, caption::kPeakCurrentEn, "А",
         "Амплитуда тока в первичной обмотке, берется из результатов расчета трансформатора."},
        {"Fconv", id::Fconv, &ClamperInput::Fconv, caption::kFrequencyName, caption::kFrequencyNameEn, "кГц",
         "Лучше сюда вводить реальную частоту преобразования, а не расчетную."},
        {"Ls", id::Ls, &ClamperInput::Ls, "Индуктивность рассеяния (Ls)", "Leakage inductance (Ls)", "мкГн",
         "Индуктивность рассеяния первичной обмотки либо измеряем при закорачивании ВСЕХ вторичных обмоток, либо "
         "пользуемся предварительными расчетами по периодам свободных колебаний."},
        {"Ceq", id::Ceq, &ClamperInput::Ceq, kEquivalentC, kEquivalentCEn, "пФ",
         "Эквивалентная емкость стоковой цепи, получается в результате предварительных расчетов.\nПоскольку эта "
         "эквивалентная емкость стоковой цепи по переменному току включена параллельно емкости клампера, то она "
         "влияет на результат расчета."},
        {"Ures", id::Ures, &ClamperInput::Ures, "Остаток напряжения после выброса", "Voltage left after the overshoot",
         "В",
         "Остаток напряжения после окончания выброса, над отраженным напряжением.\nИзмеряется осциллографом в "
         "реальных условиях"},
        {"L1", id::L1, &ClamperInput::L1, "Индуктивность L1", "Inductance L1", "",
         "Индуктивность первичной обмотки трансформатора, берется из результатов расчета трансформатора."},
        {"L1unit", id::L1unit, &ClamperInput::L1unit, "Единица индуктивности L1", "Unit of the inductance L1", ""},
        {"TL1", id::TL1, &ClamperInput::TL1, "Период колебаний по L1", "Ringing period with L1", "мкс",
         "Период свободных колебаний по индуктивности первичной обмотки после окончания передачи энергии.\nЭти "
         "свободные колебания можно увидеть только при режиме разрывного тока."},
        {"TLs", id::TLs, &ClamperInput::TLs, "Период колебаний по Ls", "Ringing period with Ls", "мкс",
         "Период свободных колебаний по индуктивности рассеяния первичной обмотки.\nЭтот период следует измерять "
         "на том участке, где уже нет клампинга этих колебаний."},
    };
    return fields;
}

const ClamperField& ClamperFieldOf(const std::string& name) {
    for (const ClamperField& f : ClamperFields())
        if (name == f.name) return f;
    throw std::out_of_range("no clamper field " + name);
}

const std::vector<ResultField>& ClamperResultFields() {
    namespace id = clamperid;
    static const std::vector<ResultField> fields = {
        {id::FirstResult, "", "", id::FirstUnit},
        InEnglish({id::Rslow, "Сопротивление резистора", "кОм"}, "Resistor"),
        InEnglish({id::Pslow, "Мощность на резисторе", "Вт"}, "Resistor power"),
        InEnglish({id::Diode, "\"Медленный\" диод"}, "\"Slow\" diode"),
        InEnglish({id::Rfast, "Сопротивление резистора с быстрым диодом", "кОм"}, "Resistor with a fast diode"),
        InEnglish({id::Pfast, "Мощность на резисторе с быстрым диодом", "Вт"}, "Resistor power with a fast diode"),
        {id::LsEst, caption::kLeakage, "мкГн"},
        InEnglish({id::CeqEst, kEquivalentC, "пФ"}, kEquivalentCEn),
    };
    return fields;
}

namespace {

std::vector<EnglishPair> ClamperEnglish() {
    std::vector<EnglishPair> pairs = SharedCaptionsInEnglish();
    for (const ClamperField& f : ClamperFields()) pairs.push_back({f.caption, f.captionEn});
    AddEnglishPairs(pairs, ClamperResultFields());
    return pairs;
}

[[maybe_unused]] const bool kClamperEnglish = AddEnglishSource(&ClamperEnglish);

}  // namespace

// The boundary at 100 nF belongs to the middle band.
std::string FormatClampCapacitance(double nF) {
    if (nF < 10) return F3(nF);
    if (nF <= 100) return F1(nF);
    return F0(nF);
}

// The boundary at 100 kOhm belongs to the upper band.
std::string FormatResistor(double R) {
    if (R >= 100) return F0(R);
    if (R >= 10) return F1(R);
    if (R >= 1) return F2(R);
    return F3(R);
}

// 1.5 A and 5 A belong to the lower band, 3 A to the upper one.
const char* SlowDiodeFor(double Ipk) {
    if (Ipk <= 1.5) return "FR107";
    if (Ipk < 3) return "FR207";
    if (Ipk <= 5) return "FR307";
    return "FR607";
}

void CalculateClamper(ClamperInput& in, ClamperResult& out) {
    // 1. Inputs; C in µF.
    const double Urefl = ReadField(in.Urefl);
    const double Uclamp = ReadField(in.Uclamp);
    const double Ures = ReadField(in.Ures);
    const double Ipk = ReadField(in.Ipk);
    const double Ls = ReadField(in.Ls);
    const double Fconv = ReadField(in.Fconv);
    const double Cclamp = ReadField(in.Cclamp);
    const double Ceq = ReadField(in.Ceq);
    const double C = Cclamp / 1000;

    // 2. Total capacitance (µF, drain capacitance included) and the overshoot. Direct mode
    // balances ½·Ls·I² against ½·C·U² and leaves the drain's share out of the capacitor.
    double Ct = 0;
    double U = 0;
    if (!in.reverse) {
        Ct = Ls * (Ipk * Ipk) / (Uclamp * Uclamp);
        const double CnF = 1000 * Ct - Ceq / 1000;
        out.CclampText = FormatClampCapacitance(CnF);
        out.UclampCalc.clear();
        in.Cclamp = out.CclampText;
        U = Uclamp;
    } else {
        Ct = C + Ceq / 1e6;
        U = Ipk * std::sqrt(Ls / Ct);
        out.UclampCalc = F1(U);
        out.CclampText.clear();
    }

    // 3. Slow diode: the capacitor falls from Urefl + Ures to Urefl in one period.
    const double Rslow = 1 / (std::log((Urefl + Ures) / Urefl) * Fconv * Ct);
    const double Pslow = 0.0015 * Fconv * Ct * (0.5 * (Ures * Ures) + Ures * Urefl);
    // 4. Fast diode: the same from the top of the overshoot.
    const double Rfast = 1 / (std::log((Urefl + U) / Urefl) * Fconv * Ct);
    const double Pfast = 0.001 * Fconv * Ct * (0.5 * (U * U) + U * Urefl);
    out.Rslow = FormatResistor(Rslow);
    out.Pslow = F3(Pslow);
    out.Rfast = FormatResistor(Rfast);
    out.Pfast = F3(Pfast);

    // 5. Slow diode type by the current amplitude.
    out.Diode = SlowDiodeFor(Ipk);
}

void EstimateLeakage(ClamperInput& in, ClamperResult& out) {
    // 1. Inputs in µH and µs.
    double L1 = ReadField(in.L1);
    const double TL1 = ReadField(in.TL1);
    const double TLs = ReadField(in.TLs);
    if (in.L1unit == "мГн") L1 = L1 * 1000;

    // 2. T = 2π·√(L·C): the drain capacitance ringing with L1, in pF.
    const double CeqEst = 1e6 * (TL1 * TL1) / (4 * (kPi * kPi) * L1);
    // 3. The same capacitance ringing with Ls at period TLs.
    const double LsEst = L1 * (TLs * TLs) / (TL1 * TL1);
    out.CeqEst = F2(CeqEst);
    out.LsEst = F2(LsEst);

    // 4. Hand the estimates to the clamper calculation.
    if (in.transfer) {
        in.Ceq = out.CeqEst;
        in.Ls = out.LsEst;
    }
}

ClamperModeLabels ModeLabels(bool reverse) {
    const ClamperField& f = ClamperFieldOf(reverse ? "Uclamp" : "Cclamp");
    return {f.caption, f.unit};
}

std::vector<std::pair<int, std::string>> ClamperResultTexts(const ClamperInput& in, const ClamperResult& out) {
    namespace id = clamperid;
    return {
        {id::FirstResult, in.reverse ? out.UclampCalc : out.CclampText},
        {id::Rslow, out.Rslow},
        {id::Pslow, out.Pslow},
        {id::Diode, out.Diode},
        {id::Rfast, out.Rfast},
        {id::Pfast, out.Pfast},
        {id::LsEst, out.LsEst},
        {id::CeqEst, out.CeqEst},
    };
}

bool ClamperResultsFinite(const ClamperInput& in, const ClamperResult& out) {
    for (const auto& [id, text] : ClamperResultTexts(in, out))
        if (!ResultValid(text)) return false;
    return true;
}

}  // namespace fb
