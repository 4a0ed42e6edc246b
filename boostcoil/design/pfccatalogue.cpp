#include "boostcoil/design/pfccatalogue.h"

namespace fb {
namespace {

using F = InputField<PfcInput>;
using I = PfcInput;

F Edit(const char* key, std::string I::*text, int id, const char* caption, const char* unit = "") {
    return EditField(key, text, id, caption, unit);
}

// Umin and Umax share the caption of their row.
const char* const kSupply = "Напряжение питания (мин.,  макс.), В";

}  // namespace

const InputCatalogue<PfcInput>& PfcFields() {
    static const InputCatalogue<PfcInput> table = [] {
        InputCatalogue<PfcInput> t = {
            ListField("core", &I::core, bcid::kCore, caption::kCore),
            ListField("mater", &I::mater, bcid::kMaterial, caption::kMaterial),
            Edit("zazor", &I::zazor, bcid::kZazor, caption::kGap, "мм"),
            Edit("Fr", &I::Fr, bcid::kFr, caption::kFrequency, "кГц"),
            Edit("Irip", &I::Irip, bcid::kIrip, "Размах пульсации тока в дросселе, %", "%"),
            WithTip(Edit("j", &I::j, bcid::kJ, caption::kCurrentDensity, "А/мм2"),
                    "Плотность тока зависит от условий охлаждения и от размеров сердечника."),
            Edit("Umin", &I::Umin, bcid::kUmin, kSupply, "В"),
            Edit("Umax", &I::Umax, bcid::kUmax, kSupply, "В"),
            Edit("U2min", &I::U2min, bcid::kU2min, "Минимальное напряжение, В", "В"),
            Edit("U2nom", &I::U2nom, bcid::kU2nom, "Номинальное напряжение, В", "В"),
            Edit("U2max", &I::U2max, bcid::kU2max, "Максимальное напряжение, В", "В"),
            Edit("P2", &I::P2, bcid::kP2, "Номинальная мощность, Вт", "Вт"),
            Edit("d11", &I::d11, bcid::kD11, "Диаметр провода (желаемый), мм", "мм"),
            FlagField("yes_d", &I::yes_d, bcid::kYesD, FieldKind::Check, "Использовать желаемый диаметр провода"),
            FlagField("yes_al", &I::yes_al, bcid::kGapRadio, FieldKind::Radios, caption::kGapOrAl, bcid::kAlRadio),
        };
        return t;
    }();
    return table;
}

const std::vector<ResultField>& PfcResultFields() {
    using namespace pfcid;
    static const std::vector<ResultField> table = {
        {kVe, "Объем сердечника, Ve", "см3"},
        // Its caption is the label 1016.
        {kRequired, "", "", kRequiredUnit,
         "Это полный немагнитный зазор. Он создается либо полностью в центральном стержне сердечника, либо "
         "делится пополам между крайними стержнями сердечника."},
        {kBlim, "Амплитуда индукции, не более", "Т"},
        {kBpk, "Амплитуда индукции", "Т", 0, tip::kAcFlux},
        {kPcore, "Мощность потерь в магнитопроводе", "Вт"},
        {kLreq, "Расчетная индуктивность дросселя", "", kLreqUnit},
        {kL, "Индуктивность дросселя", "", kLUnit},
        {kN, "Число витков дросселя"},
        {kWire, "Диаметр провода", "мм"},
        {kStrands, "Число жил в обмотке"},
        {kJmax, "Плотность тока, максимальная", "А/мм2"},
        {kKfill, "Коэффициент заполнения окна"},
        {kCin, "Емкость входного конденсатора, не менее", "", kCinUnit},
        {kIinMin, "Ток потребления, мин. напряжение питания", "А"},
        {kIinMax, "Ток потребления, макс. напряжение питания", "А"},
        {kIpkMin, "Амплитуда тока дросселя (транзистора), мин. напряжение питания", "А"},
        {kIpkMax, "Амплитуда тока дросселя (транзистора), макс. напряжение питания", "А"},
        {kDIMin, "Размах пульсации тока в дросселе, мин. напряжение питания", "А"},
        {kDIMax, "Размах пульсации тока в дросселе, макс. напряжение питания", "А"},
        {kDMin, "Коэф. заполнения импульса, мин. напряжение питания"},
        {kDMax, "Коэф. заполнения импульса, макс. напряжение питания"},
        {kIcout, "Действующий ток (RMS) в выходной емкости (макс.)", "А"},
        {kCout, "Емкость выходного конденсатора, не менее", "мкФ"},
        {kInfo, "Дополнительная информация"},
    };
    return table;
}

const ResultField& PfcResultField(int id) { return ResultOf(PfcResultFields(), id); }

}  // namespace fb
