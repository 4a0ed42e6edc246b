#include "flyback/design/fields.h"

#include "flyback/clamper/clamper.h"

namespace fb {
namespace {

using F = InputField<FlybackInput>;
using I = FlybackInput;

bool UmirrorTyped(const I& in) { return in.Auto != 1; }
bool RdsUsed(const I& in) { return in.rds == 1; }
bool UnasUsed(const I& in) { return in.rds != 1; }

// The primary's turns: kept in the design file and shown as a result.
const char* const kPrimaryTurns = "Первичная обмотка: витки";
const char* const kPrimaryTurnsEn = "Primary winding: turns";

// Tooltips of results.
const char* const kSkinTip = "Диаметр провода по скин-эффекту";
const char* const kSkinTipEn = "Wire diameter for the skin effect";
const char* const kRmsTip = tip::kRms;

ResultField Tipped(ResultField f, const char* tip, const char* tipEn = "") {
    f.tip = tip;
    f.tipEn = tipEn;
    return f;
}

// The three supply voltages share the caption of their row.
const char* const kSupply = "Питание (мин., ном., макс.), В";
const char* const kSupplyEn = "Supply (min., nom., max.), V";

F Edit(const char* key, std::string I::*text, int id, const char* caption, const char* captionEn,
       const char* unit = "") {
    return EditField(key, text, id, caption, captionEn, unit);
}

// A result of the design kept in the design file: written, never read, not on the form.
F Written(const char* key, std::string I::*text, const char* caption, const char* captionEn) {
    F f = EditField(key, text, 0, caption, captionEn);
    f.readBack = false;
    return f;
}

F Enabled(F f, bool (*when)(const I&)) {
    f.enabledWhen = when;
    return f;
}

// A text the clamper window edits, kept with the design; its caption is the clamper's.
F Clamper(const char* key, std::string I::*text) {
    const ClamperField& c = ClamperFieldOf(key);
    return Edit(key, text, 0, c.caption, c.captionEn, c.unit);
}

InputCatalogue<I> Build() {
    InputCatalogue<I> t = {
        WithTip(ListField("core", &I::core, 1005, caption::kCore, caption::kCoreEn),
                "При добавлении сердечника в базу в поле комбинированного списка вводится назавание нового "
                "сердечника.\nНет необходимости самостоятельно приписывать к названию сердечника префикс его формы. "
                "Префикс формы сердечника дописываются программой автоматически."),
        ListField("mater", &I::mater, 1006, caption::kMaterial, caption::kMaterialEn),
        WithTip(Edit("zazor", &I::zazor, 1064, caption::kGap, caption::kGapEn, "мм"),
                "Сердечники изготавливаются с готовыми зазорами.\nРяд готовых зазоров можно найти в документации "
                "производителя.\nЗазор следует выбирать из стандартного ряда значений для этого сердечника.\nПри "
                "невозможности приобретения сердечника с требуемым готовым зазором допускается сделать зазор с "
                "помощью прокладок."),
        Edit("Umin", &I::Umin, 1045, kSupply, kSupplyEn, "В"),
        Edit("Unom", &I::Unom, 1048, kSupply, kSupplyEn, "В"),
        Edit("Umax", &I::Umax, 1044, kSupply, kSupplyEn, "В"),
        FlagField("setevoe", &I::setevoe, 1072, FieldKind::Radios, "Питание: DC (0) или AC (1)",
                  "Supply: DC (0) or AC (1)", 1073),
        Edit("Fconv", &I::Fconv, 1016, caption::kFrequency, caption::kFrequencyEn, "кГц"),
        WithTip(Enabled(Edit("Umirror", &I::Umirror, 1046, "Отраженное напряжение, не более, В",
                             "Reflected voltage, at most, V", "В"),
                        UmirrorTyped),
                "Сюда вводится желаемое отраженное напряжение на первичной обмотке.\nОтраженное напряжение - это "
                "напряжение, которое \"отражается\" из вторичной обмотки на обратном ходе, когда идет передача "
                "энергии в нагрузку.\nОтраженное напряжение вычисляется по выходному напряжению через коэфициент "
                "трансформации, как для обычного трансформатора."),
        FlagField("Auto", &I::Auto, 1241, FieldKind::Check, "Авто", "Auto"),
        WithTip(Edit("Utrmax", &I::Utrmax, 1052, "Макс. допуст. напряжение на ключе, В", "Max. switch voltage, V", "В"),
                "Сюда вводится максимальное допустимое напряжение на ключе, которое можно узнать из документации "
                "(даташита)."),
        WithTip(Edit("j", &I::j, 1061, caption::kCurrentDensity, caption::kCurrentDensityEn, "А/мм2"),
                "Плотность тока зависит от условий охлаждения и от размеров сердечника.\nПри естественном охлаждении "
                "следует выбирать 4 - 6 А/мм2.\nПри вентиляции плотность тока можно выбрать больше, до 8 - 10 "
                "А/мм2.\nБольшие значения плотности тока соответствуют маленьким сердечникам.\nПри принудительном "
                "охлаждении допустимая плотность тока зависит от интенсивности охлаждения."),
        WithTip(Enabled(Edit("Rds", &I::Rds, 1030, "Сопротивление канала Rds(on), Ом",
                             "Channel resistance Rds(on), Ohm", "Ом"),
                        RdsUsed),
                "В это поле следует ввести сопротивление открытого канала Rds(on)."),
        WithTip(
            Enabled(Edit("Unas", &I::Unas, 1047, "Напряжение насыщения Uнас., В", "Saturation voltage Usat, V", "В"),
                    UnasUsed),
            "В это поле следует ввести напряжение насыщения биполярных или IGBT транзисторов.\nДля полевых "
            "транзисторов в этом поле выводится расчетная величина падения напряжения на транзисторе."),
        WithTip(FlagField("rds", &I::rds, 1076, FieldKind::Radios, "Uнас. (0) или Rds(on) (1)",
                          "Usat (0) or Rds(on) (1)", 1077),
                "Этот переключатель используется для биполярных или IGBT транзисторов.",
                "Этот переключатель используется для полевых транзисторов."),
        WithTip(Edit("Iccm", &I::Iccm, 1026, "Неразрывность тока, %", "Current continuity, %", "%"),
                "Неразрывность тока означает, что при передаче энергии на обратном ходе передается не вся энергия, "
                "запасенная в сердечнике.\nВ индуктивности остается некоторая часть тока, и при открытии ключа в "
                "нем сразу начинает течь этот, оставшийся не израсходованным, ток.\n0% соответствует разрывному "
                "току.\nВеличина неразрывности показывает, какая часть тока остается неизрасходованной."),
        Edit("U21", &I::U21, 1033, "Вторичные обмотки, строка 1: U ном., В", "Secondary windings, row 1: U nom., V",
             "В"),
        Edit("U22", &I::U22, 1034, "Вторичные обмотки, строка 2: U ном., В", "Secondary windings, row 2: U nom., V",
             "В"),
        Edit("U23", &I::U23, 1035, "Вторичные обмотки, строка 3: U ном., В", "Secondary windings, row 3: U nom., V",
             "В"),
        Edit("U24", &I::U24, 1036, "Вторичные обмотки, строка 4: U ном., В", "Secondary windings, row 4: U nom., V",
             "В"),
        Edit("U25", &I::U25, 1037, "Вторичные обмотки, строка 5: U ном., В", "Secondary windings, row 5: U nom., V",
             "В"),
        Edit("I21", &I::I21, 1021, "Вторичные обмотки, строка 1: I ном., А", "Secondary windings, row 1: I nom., A",
             "А"),
        Edit("I22", &I::I22, 1022, "Вторичные обмотки, строка 2: I ном., А", "Secondary windings, row 2: I nom., A",
             "А"),
        Edit("I23", &I::I23, 1023, "Вторичные обмотки, строка 3: I ном., А", "Secondary windings, row 3: I nom., A",
             "А"),
        Edit("I24", &I::I24, 1024, "Вторичные обмотки, строка 4: I ном., А", "Secondary windings, row 4: I nom., A",
             "А"),
        Edit("I25", &I::I25, 1025, "Вторичные обмотки, строка 5: I ном., А", "Secondary windings, row 5: I nom., A",
             "А"),
        // The tip of the column sits on its first edit.
        WithTip(Edit("Ud1", &I::Ud1, 1039, "Вторичные обмотки, строка 1: Ud f, В", "Secondary windings, row 1: Ud f, V",
                     "В"),
                "В эти поля вводится прямое падение напряжения на диодах, которое можно узнать из даташита.\nЕсли "
                "диоды нагружены не на номинальный ток, то по графику в даташите можно оценить падение для "
                "заданного тока."),
        Edit("Ud2", &I::Ud2, 1040, "Вторичные обмотки, строка 2: Ud f, В", "Secondary windings, row 2: Ud f, V", "В"),
        Edit("Ud3", &I::Ud3, 1041, "Вторичные обмотки, строка 3: Ud f, В", "Secondary windings, row 3: Ud f, V", "В"),
        Edit("Ud4", &I::Ud4, 1042, "Вторичные обмотки, строка 4: Ud f, В", "Secondary windings, row 4: Ud f, V", "В"),
        Edit("Ud5", &I::Ud5, 1043, "Вторичные обмотки, строка 5: Ud f, В", "Secondary windings, row 5: Ud f, V", "В"),
        WithTip(FlagField("yes_d", &I::yes_d, 1002, FieldKind::Check, "Использовать диаметры проводов",
                          "Use wire diameters"),
                "Для использования желаемого диаметра провода поставьте здесь галочку.\nПредлагаю сначала дать "
                "программе рассчитать диаметры проводов и число жил в обмотках, чтобы оптимально задать диаметры."),
        FlagField("yes_al", &I::yes_al, 1074, FieldKind::Radios, caption::kGapOrAl, caption::kGapOrAlEn, 1075),
        Edit("d11", &I::d11, 1054, "Диаметр провода первичной обмотки", "Primary wire diameter", "мм"),
        Edit("d21", &I::d21, 1055, "Вторичные обмотки, строка 1: Диаметр", "Secondary windings, row 1: diameter", "мм"),
        Edit("d22", &I::d22, 1056, "Вторичные обмотки, строка 2: Диаметр", "Secondary windings, row 2: diameter", "мм"),
        Edit("d23", &I::d23, 1057, "Вторичные обмотки, строка 3: Диаметр", "Secondary windings, row 3: diameter", "мм"),
        Edit("d24", &I::d24, 1058, "Вторичные обмотки, строка 4: Диаметр", "Secondary windings, row 4: diameter", "мм"),
        Edit("d25", &I::d25, 1059, "Вторичные обмотки, строка 5: Диаметр", "Secondary windings, row 5: diameter", "мм"),
        Written("w1", &I::w1, kPrimaryTurns, kPrimaryTurnsEn),
        Written("w21", &I::w21, "Вторичная обмотка 1: витки", "Secondary winding 1: turns"),
        Written("w22", &I::w22, "Вторичная обмотка 2: витки", "Secondary winding 2: turns"),
        Written("w23", &I::w23, "Вторичная обмотка 3: витки", "Secondary winding 3: turns"),
        Written("w24", &I::w24, "Вторичная обмотка 4: витки", "Secondary winding 4: turns"),
        Written("w25", &I::w25, "Вторичная обмотка 5: витки", "Secondary winding 5: turns"),
        Written("n1", &I::n1, "Первичная обмотка: число жил провода", "Primary winding: strands"),
        Written("n21", &I::n21, "Вторичная обмотка 1: число жил провода", "Secondary winding 1: strands"),
        Written("n22", &I::n22, "Вторичная обмотка 2: число жил провода", "Secondary winding 2: strands"),
        Written("n23", &I::n23, "Вторичная обмотка 3: число жил провода", "Secondary winding 3: strands"),
        Written("n24", &I::n24, "Вторичная обмотка 4: число жил провода", "Secondary winding 4: strands"),
        Written("n25", &I::n25, "Вторичная обмотка 5: число жил провода", "Secondary winding 5: strands"),
        // The clamper window edits these; the main form only keeps them with the design.
        Clamper("Uclamp", &I::Uclamp),
        Clamper("Ures", &I::Ures),
        Clamper("Ceq", &I::Ceq),
        Clamper("Ls", &I::Ls),
        Clamper("TL1", &I::TL1),
        Clamper("TLs", &I::TLs),
    };
    F usense =
        Edit("Usense", &I::Usense, 1051, "Пороговое напряжение датчика тока, В", "Current sense threshold, V", "В");
    usense.stored = false;  // given to the command-line tool as an option, never kept in a file
    t.push_back(usense);
    return t;
}

}  // namespace

const InputCatalogue<FlybackInput>& FlybackFields() {
    static const InputCatalogue<FlybackInput> table = Build();
    return table;
}

const char* FlybackCaption(const char* key) { return FieldOf(FlybackFields(), key).caption; }

const char* ZazorCaption(int yes_al) { return caption::Zazor(yes_al); }

const std::vector<int>& FlybackResultControls() {
    static const std::vector<int> ids = [] {
        std::vector<int> v;
        for (const ResultField& f : FlybackResultFields()) v.push_back(f.id);
        return v;
    }();
    return ids;
}

const std::vector<ResultField>& FlybackResultFields() {
    static const std::vector<ResultField> table = [] {
        std::vector<ResultField> v = {
            InEnglish({ctl::kMue, "Эффективная проницаемость с зазором"}, "Effective permeability with gap"),
            InEnglish({ctl::kAL, caption::kAl, caption::kAlUnit}, caption::kAlEn),
            {ctl::kRequired, "", "", ctl::kRequiredUnit},  // its caption is the label 1240
            InEnglish({ctl::kUr, kReflectedVoltage, "В"}, kReflectedVoltageEn),
            InEnglish({ctl::kUovs, "Выброс напряжения на ключе от Ls не более", "В"},
                      "Switch overshoot from Ls, at most"),
            Tipped(InEnglish({ctl::kLp, "Индуктивность первичной обмотки", "", ctl::kLpUnit}, "Primary inductance"),
                   "Индуктивность первичной обмотки, не более", "Primary inductance, at most"),
            InEnglish({ctl::kDutyMax, "Коэффициент заполнения импульса, макс."}, "Duty cycle, max."),
            InEnglish({ctl::kDutyNom, "Коэффициент заполнения импульса, ном."}, "Duty cycle, nom."),
            InEnglish({ctl::kDutyMin, "Коэффициент заполнения импульса, мин."}, "Duty cycle, min."),
            InEnglish({ctl::kKcMax, "Неразрывность тока, макс.", "%"}, "Current continuity, max."),
            InEnglish({ctl::kKcNom, "Неразрывность тока, ном.", "%"}, "Current continuity, nom."),
            InEnglish({ctl::kKcMin, "Неразрывность тока, мин.", "%"}, "Current continuity, min."),
            Tipped(
                InEnglish({ctl::kIinMax, "Ток потребления (по шине DC), макс.", "A"}, "Input current (DC bus), max."),
                kRmsTip),
            Tipped(InEnglish({ctl::kIinNom, "Ток потребления (по шине DC), ном.", "A"}, "Input current (DC bus), nom."),
                   kRmsTip),
            Tipped(InEnglish({ctl::kIinMin, "Ток потребления (по шине DC), мин.", "A"}, "Input current (DC bus), min."),
                   kRmsTip),
            InEnglish({ctl::kIpk, "Амплитуда тока транзистора", "А"}, "Transistor peak current"),
            InEnglish({ctl::kPcore, caption::kCoreLoss, "Вт"}, caption::kCoreLossEn),
            InEnglish({ctl::kBlim, "Амплитуда индукции, допустимая", "T"}, "Peak flux density, allowed"),
            Tipped(InEnglish({ctl::kBpk, caption::kPeakFlux, "T"}, caption::kPeakFluxEn), tip::kAcFlux),
            InEnglish({ctl::kRsense, "Сопротивление датчика тока", "Ом"}, "Current sense resistor"),
            InEnglish({ctl::kCin, "Емкость конденсатора выпрямителя (минимум)", "мкФ"},
                      "Rectifier capacitor (minimum)"),
            Tipped(InEnglish({ctl::kNp, kPrimaryTurns}, kPrimaryTurnsEn), "Минимальное число витков первичной обмотки",
                   "Minimum primary turns"),
            Tipped(InEnglish({ctl::kPrimaryWire, "Первичная обмотка: провод"}, "Primary winding: wire"), kSkinTip,
                   kSkinTipEn),
            InEnglish({ctl::kPrimaryJ, "Первичная обмотка: плотность тока", "А/мм2"},
                      "Primary winding: current density"),
        };
        struct Column {
            int base;
            const char* name;
            const char* unit;
            const char* tip;     // on each of the five results; the form's area of the column shows it
            const char* nameEn;  // "": the English composes from the words
            const char* tipEn;
        };
        const Column columns[] = {
            {ctl::kTurnsBase, "витки", "", "", "turns", ""},
            {ctl::kWireBase, "провод", "", kSkinTip, "", kSkinTipEn},
            {ctl::kJBase, "плотность тока", "А/мм2", kRmsTip, "", ""},
            {ctl::kUoutBase, "U вых.", "В", tip::kOutputVoltage, "", ""},
            {ctl::kUdrevBase, "Ud обрат.", "В", "Обратное напряжение на выходном диоде", "", ""},
            {ctl::kIcrmsBase, "Ic(rms)", "А",
             "Действующий ток в выходном конденсаторе.\nКонденсаторы следует выбирать по документации, исходя из "
             "допустимой величины пульсации тока (Ripple current).",
             "", ""}};
        for (const Column& c : columns)
            for (int i = 0; i < 5; ++i)
                v.push_back({c.base + i, "Вторичная обмотка " + FormatInt(i + 1) + ": " + c.name, c.unit, 0, c.tip,
                             *c.nameEn ? "Secondary winding " + FormatInt(i + 1) + ": " + c.nameEn : "", c.tipEn});
        v.push_back(InEnglish({ctl::kKfill, caption::kWindowFill}, caption::kWindowFillEn));
        return v;
    }();
    return table;
}

namespace {

std::vector<EnglishPair> FlybackEnglish() {
    std::vector<EnglishPair> pairs = SharedCaptionsInEnglish();
    AddEnglishPairs(pairs, FlybackFields());
    AddEnglishPairs(pairs, FlybackResultFields());
    return pairs;
}

[[maybe_unused]] const bool kFlybackEnglish = AddEnglishSource(&FlybackEnglish);

}  // namespace

}  // namespace fb
