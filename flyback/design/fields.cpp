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

// Tooltips of results.
const char* const kSkinTip = "Диаметр провода по скин-эффекту";
const char* const kRmsTip = "Действующий ток";

ResultField Tipped(ResultField f, const char* tip) {
    f.tip = tip;
    return f;
}

// The three supply voltages share the caption of their row.
const char* const kSupply = "Питание (мин., ном., макс.), В";

F Edit(const char* key, std::string I::*text, int id, const char* caption, const char* unit = "") {
    return EditField(key, text, id, caption, unit);
}

// A result of the design kept in the design file: written, never read, not on the form.
F Written(const char* key, std::string I::*text, const char* caption) {
    F f = EditField(key, text, 0, caption);
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
    return Edit(key, text, 0, c.caption, c.unit);
}

InputCatalogue<I> Build() {
    InputCatalogue<I> t = {
        WithTip(ListField("core", &I::core, 1005, caption::kCore),
                "При добавлении сердечника в базу в поле комбинированного списка вводится назавание нового "
                "сердечника.\nНет необходимости самостоятельно приписывать к названию сердечника префикс его формы. "
                "Префикс формы сердечника дописываются программой автоматически."),
        ListField("mater", &I::mater, 1006, caption::kMaterial),
        WithTip(Edit("zazor", &I::zazor, 1064, caption::kGap, "мм"),
                "Сердечники изготавливаются с готовыми зазорами.\nРяд готовых зазоров можно найти в документации "
                "производителя.\nЗазор следует выбирать из стандартного ряда значений для этого сердечника.\nПри "
                "невозможности приобретения сердечника с требуемым готовым зазором допускается сделать зазор с "
                "помощью прокладок."),
        Edit("Umin", &I::Umin, 1045, kSupply, "В"),
        Edit("Unom", &I::Unom, 1048, kSupply, "В"),
        Edit("Umax", &I::Umax, 1044, kSupply, "В"),
        FlagField("setevoe", &I::setevoe, 1072, FieldKind::Radios, "Питание: DC (0) или AC (1)", 1073),
        Edit("Fconv", &I::Fconv, 1016, caption::kFrequency, "кГц"),
        WithTip(Enabled(Edit("Umirror", &I::Umirror, 1046, "Отраженное напряжение, не более, В", "В"), UmirrorTyped),
                "Сюда вводится желаемое отраженное напряжение на первичной обмотке.\nОтраженное напряжение - это "
                "напряжение, которое \"отражается\" из вторичной обмотки на обратном ходе, когда идет передача "
                "энергии в нагрузку.\nОтраженное напряжение вычисляется по выходному напряжению через коэфициент "
                "трансформации, как для обычного трансформатора."),
        FlagField("Auto", &I::Auto, 1241, FieldKind::Check, "Авто"),
        WithTip(Edit("Utrmax", &I::Utrmax, 1052, "Макс. допуст. напряжение на ключе, В", "В"),
                "Сюда вводится максимальное допустимое напряжение на ключе, которое можно узнать из документации "
                "(даташита)."),
        WithTip(Edit("j", &I::j, 1061, caption::kCurrentDensity, "А/мм2"),
                "Плотность тока зависит от условий охлаждения и от размеров сердечника.\nПри естественном охлаждении "
                "следует выбирать 4 - 6 А/мм2.\nПри вентиляции плотность тока можно выбрать больше, до 8 - 10 "
                "А/мм2.\nБольшие значения плотности тока соответствуют маленьким сердечникам.\nПри принудительном "
                "охлаждении допустимая плотность тока зависит от интенсивности охлаждения."),
        WithTip(Enabled(Edit("Rds", &I::Rds, 1030, "Сопротивление канала Rds(on), Ом", "Ом"), RdsUsed),
                "В это поле следует ввести сопротивление открытого канала Rds(on)."),
        WithTip(Enabled(Edit("Unas", &I::Unas, 1047, "Напряжение насыщения Uнас., В", "В"), UnasUsed),
                "В это поле следует ввести напряжение насыщения биполярных или IGBT транзисторов.\nДля полевых "
                "транзисторов в этом поле выводится расчетная величина падения напряжения на транзисторе."),
        WithTip(FlagField("rds", &I::rds, 1076, FieldKind::Radios, "Uнас. (0) или Rds(on) (1)", 1077),
                "Этот переключатель используется для биполярных или IGBT транзисторов.",
                "Этот переключатель используется для полевых транзисторов."),
        WithTip(Edit("Iccm", &I::Iccm, 1026, "Неразрывность тока, %", "%"),
                "Неразрывность тока означает, что при передаче энергии на обратном ходе передается не вся энергия, "
                "запасенная в сердечнике.\nВ индуктивности остается некоторая часть тока, и при открытии ключа в "
                "нем сразу начинает течь этот, оставшийся не израсходованным, ток.\n0% соответствует разрывному "
                "току.\nВеличина неразрывности показывает, какая часть тока остается неизрасходованной."),
        Edit("U21", &I::U21, 1033, "Вторичные обмотки, строка 1: U ном., В", "В"),
        Edit("U22", &I::U22, 1034, "Вторичные обмотки, строка 2: U ном., В", "В"),
        Edit("U23", &I::U23, 1035, "Вторичные обмотки, строка 3: U ном., В", "В"),
        Edit("U24", &I::U24, 1036, "Вторичные обмотки, строка 4: U ном., В", "В"),
        Edit("U25", &I::U25, 1037, "Вторичные обмотки, строка 5: U ном., В", "В"),
        Edit("I21", &I::I21, 1021, "Вторичные обмотки, строка 1: I ном., А", "А"),
        Edit("I22", &I::I22, 1022, "Вторичные обмотки, строка 2: I ном., А", "А"),
        Edit("I23", &I::I23, 1023, "Вторичные обмотки, строка 3: I ном., А", "А"),
        Edit("I24", &I::I24, 1024, "Вторичные обмотки, строка 4: I ном., А", "А"),
        Edit("I25", &I::I25, 1025, "Вторичные обмотки, строка 5: I ном., А", "А"),
        // The tip of the column sits on its first edit.
        WithTip(Edit("Ud1", &I::Ud1, 1039, "Вторичные обмотки, строка 1: Ud f, В", "В"),
                "В эти поля вводится прямое падение напряжения на диодах, которое можно узнать из даташита.\nЕсли "
                "диоды нагружены не на номинальный ток, то по графику в даташите можно оценить падение для "
                "заданного тока."),
        Edit("Ud2", &I::Ud2, 1040, "Вторичные обмотки, строка 2: Ud f, В", "В"),
        Edit("Ud3", &I::Ud3, 1041, "Вторичные обмотки, строка 3: Ud f, В", "В"),
        Edit("Ud4", &I::Ud4, 1042, "Вторичные обмотки, строка 4: Ud f, В", "В"),
        Edit("Ud5", &I::Ud5, 1043, "Вторичные обмотки, строка 5: Ud f, В", "В"),
        WithTip(FlagField("yes_d", &I::yes_d, 1002, FieldKind::Check, "Использовать диаметры проводов"),
                "Для использования желаемого диаметра провода поставьте здесь галочку.\nПредлагаю сначала дать "
                "программе рассчитать диаметры проводов и число жил в обмотках, чтобы оптимально задать диаметры."),
        FlagField("yes_al", &I::yes_al, 1074, FieldKind::Radios, caption::kGapOrAl, 1075),
        Edit("d11", &I::d11, 1054, "Диаметр провода первичной обмотки", "мм"),
        Edit("d21", &I::d21, 1055, "Вторичные обмотки, строка 1: Диаметр", "мм"),
        Edit("d22", &I::d22, 1056, "Вторичные обмотки, строка 2: Диаметр", "мм"),
        Edit("d23", &I::d23, 1057, "Вторичные обмотки, строка 3: Диаметр", "мм"),
        Edit("d24", &I::d24, 1058, "Вторичные обмотки, строка 4: Диаметр", "мм"),
        Edit("d25", &I::d25, 1059, "Вторичные обмотки, строка 5: Диаметр", "мм"),
        Written("w1", &I::w1, kPrimaryTurns),
        Written("w21", &I::w21, "Вторичная обмотка 1: витки"),
        Written("w22", &I::w22, "Вторичная обмотка 2: витки"),
        Written("w23", &I::w23, "Вторичная обмотка 3: витки"),
        Written("w24", &I::w24, "Вторичная обмотка 4: витки"),
        Written("w25", &I::w25, "Вторичная обмотка 5: витки"),
        Written("n1", &I::n1, "Первичная обмотка: число жил провода"),
        Written("n21", &I::n21, "Вторичная обмотка 1: число жил провода"),
        Written("n22", &I::n22, "Вторичная обмотка 2: число жил провода"),
        Written("n23", &I::n23, "Вторичная обмотка 3: число жил провода"),
        Written("n24", &I::n24, "Вторичная обмотка 4: число жил провода"),
        Written("n25", &I::n25, "Вторичная обмотка 5: число жил провода"),
        // The clamper window edits these; the main form only keeps them with the design.
        Clamper("Uclamp", &I::Uclamp), Clamper("Ures", &I::Ures), Clamper("Ceq", &I::Ceq),
        Clamper("Ls", &I::Ls),         Clamper("TL1", &I::TL1),   Clamper("TLs", &I::TLs),
    };
    F usense = Edit("Usense", &I::Usense, 1051, "Пороговое напряжение датчика тока, В", "В");
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
            {ctl::kMue, "Эффективная проницаемость с зазором"},
            {ctl::kAL, caption::kAl, caption::kAlUnit},
            {ctl::kRequired, "", "", ctl::kRequiredUnit},  // its caption is the label 1240
            {ctl::kUr, kReflectedVoltage, "В"},
            {ctl::kUovs, "Выброс напряжения на ключе от Ls не более", "В"},
            Tipped({ctl::kLp, "Индуктивность первичной обмотки", "", ctl::kLpUnit},
                   "Индуктивность первичной обмотки, не более"),
            {ctl::kDutyMax, "Коэффициент заполнения импульса, макс."},
            {ctl::kDutyNom, "Коэффициент заполнения импульса, ном."},
            {ctl::kDutyMin, "Коэффициент заполнения импульса, мин."},
            {ctl::kKcMax, "Неразрывность тока, макс.", "%"},
            {ctl::kKcNom, "Неразрывность тока, ном.", "%"},
            {ctl::kKcMin, "Неразрывность тока, мин.", "%"},
            Tipped({ctl::kIinMax, "Ток потребления (по шине DC), макс.", "A"}, kRmsTip),
            Tipped({ctl::kIinNom, "Ток потребления (по шине DC), ном.", "A"}, kRmsTip),
            Tipped({ctl::kIinMin, "Ток потребления (по шине DC), мин.", "A"}, kRmsTip),
            {ctl::kIpk, "Амплитуда тока транзистора", "А"},
            {ctl::kPcore, "Мощность потерь в магнитопроводе", "Вт"},
            {ctl::kBlim, "Амплитуда индукции, допустимая", "T"},
            Tipped({ctl::kBpk, "Амплитуда индукции", "T"}, tip::kAcFlux),
            {ctl::kRsense, "Сопротивление датчика тока", "Ом"},
            {ctl::kCin, "Емкость конденсатора выпрямителя (минимум)", "мкФ"},
            Tipped({ctl::kNp, kPrimaryTurns}, "Минимальное число витков первичной обмотки"),
            Tipped({ctl::kPrimaryWire, "Первичная обмотка: провод"}, kSkinTip),
            {ctl::kPrimaryJ, "Первичная обмотка: плотность тока", "А/мм2"},
        };
        struct Column {
            int base;
            const char* name;
            const char* unit;
            const char* tip;  // on each of the five results; the form's area of the column shows it
        };
        const Column columns[] = {
            {ctl::kTurnsBase, "витки", "", ""},
            {ctl::kWireBase, "провод", "", kSkinTip},
            {ctl::kJBase, "плотность тока", "А/мм2", kRmsTip},
            {ctl::kUoutBase, "U вых.", "В", "Выходное напряжение"},
            {ctl::kUdrevBase, "Ud обрат.", "В", "Обратное напряжение на выходном диоде"},
            {ctl::kIcrmsBase, "Ic(rms)", "А",
             "Действующий ток в выходном конденсаторе.\nКонденсаторы следует выбирать по документации, исходя из "
             "допустимой величины пульсации тока (Ripple current)."}};
        for (const Column& c : columns)
            for (int i = 0; i < 5; ++i)
                v.push_back({c.base + i, "Вторичная обмотка " + FormatInt(i + 1) + ": " + c.name, c.unit, 0, c.tip});
        v.push_back({ctl::kKfill, "Коэффициент заполнения окна"});
        return v;
    }();
    return table;
}

}  // namespace fb
