#include "boostcoil/design/pfccatalogue.h"

namespace fb {
namespace {

using F = InputField<PfcInput>;
using I = PfcInput;

F Edit(const char* key, std::string I::*text, int id, const char* caption, const char* captionEn,
       const char* unit = "") {
    return EditField(key, text, id, caption, captionEn, unit);
}

// Umin and Umax share the caption of their row.
const char* const kSupply = "Напряжение питания (мин.,  макс.), В";
const char* const kSupplyEn = "Supply voltage (min.,  max.), V";

}  // namespace

const InputCatalogue<PfcInput>& PfcFields() {
    static const InputCatalogue<PfcInput> table = [] {
        InputCatalogue<PfcInput> t = {
            ListField("core", &I::core, bcid::kCore, caption::kCore, caption::kCoreEn),
            ListField("mater", &I::mater, bcid::kMaterial, caption::kMaterial, caption::kMaterialEn),
            Edit("zazor", &I::zazor, bcid::kZazor, caption::kGap, caption::kGapEn, "мм"),
            Edit("Fr", &I::Fr, bcid::kFr, caption::kFrequency, caption::kFrequencyEn, "кГц"),
            Edit("Irip", &I::Irip, bcid::kIrip, "Размах пульсации тока в дросселе, %",
                 "Choke ripple current, peak to peak, %", "%"),
            WithTip(Edit("j", &I::j, bcid::kJ, caption::kCurrentDensity, caption::kCurrentDensityEn, "А/мм2"),
                    "Плотность тока зависит от условий охлаждения и от размеров сердечника."),
            Edit("Umin", &I::Umin, bcid::kUmin, kSupply, kSupplyEn, "В"),
            Edit("Umax", &I::Umax, bcid::kUmax, kSupply, kSupplyEn, "В"),
            Edit("U2min", &I::U2min, bcid::kU2min, "Минимальное напряжение, В", "Minimum voltage, V", "В"),
            Edit("U2nom", &I::U2nom, bcid::kU2nom, "Номинальное напряжение, В", "Nominal voltage, V", "В"),
            Edit("U2max", &I::U2max, bcid::kU2max, "Максимальное напряжение, В", "Maximum voltage, V", "В"),
            Edit("P2", &I::P2, bcid::kP2, "Номинальная мощность, Вт", "Rated power, W", "Вт"),
            Edit("d11", &I::d11, bcid::kD11, "Диаметр провода (желаемый), мм", "Wire diameter (preferred), mm", "мм"),
            FlagField("yes_d", &I::yes_d, bcid::kYesD, FieldKind::Check, "Использовать желаемый диаметр провода",
                      "Use the preferred wire diameter"),
            FlagField("yes_al", &I::yes_al, bcid::kGapRadio, FieldKind::Radios, caption::kGapOrAl, caption::kGapOrAlEn,
                      bcid::kAlRadio),
        };
        return t;
    }();
    return table;
}

const std::vector<ResultField>& PfcResultFields() {
    using namespace pfcid;
    static const std::vector<ResultField> table = {
        {kVe, caption::kCoreVolume, "см3"},
        // Its caption is the label 1016.
        {kRequired, "", "", kRequiredUnit,
         "Это полный немагнитный зазор. Он создается либо полностью в центральном стержне сердечника, либо "
         "делится пополам между крайними стержнями сердечника."},
        InEnglish({kBlim, "Амплитуда индукции, не более", "Т"}, "Peak flux density, at most"),
        InEnglish({kBpk, caption::kPeakFlux, "Т", 0, tip::kAcFlux}, caption::kPeakFluxEn),
        InEnglish({kPcore, caption::kCoreLoss, "Вт"}, caption::kCoreLossEn),
        InEnglish({kLreq, "Расчетная индуктивность дросселя", "", kLreqUnit}, "Required choke inductance"),
        InEnglish({kL, "Индуктивность дросселя", "", kLUnit}, "Choke inductance"),
        InEnglish({kN, "Число витков дросселя"}, "Choke turns"),
        {kWire, caption::kWireDiameter, "мм"},
        InEnglish({kStrands, "Число жил в обмотке"}, "Strands in the winding"),
        InEnglish({kJmax, "Плотность тока, максимальная", "А/мм2"}, "Current density, maximum"),
        InEnglish({kKfill, caption::kWindowFill}, caption::kWindowFillEn),
        InEnglish({kCin, "Емкость входного конденсатора, не менее", "", kCinUnit}, "Input capacitor, at least"),
        InEnglish({kIinMin, "Ток потребления, мин. напряжение питания", "А"}, "Input current, min. supply voltage"),
        InEnglish({kIinMax, "Ток потребления, макс. напряжение питания", "А"}, "Input current, max. supply voltage"),
        InEnglish({kIpkMin, "Амплитуда тока дросселя (транзистора), мин. напряжение питания", "А"},
                  "Choke (transistor) peak current, min. supply voltage"),
        InEnglish({kIpkMax, "Амплитуда тока дросселя (транзистора), макс. напряжение питания", "А"},
                  "Choke (transistor) peak current, max. supply voltage"),
        InEnglish({kDIMin, "Размах пульсации тока в дросселе, мин. напряжение питания", "А"},
                  "Choke ripple current, min. supply voltage"),
        InEnglish({kDIMax, "Размах пульсации тока в дросселе, макс. напряжение питания", "А"},
                  "Choke ripple current, max. supply voltage"),
        InEnglish({kDMin, "Коэф. заполнения импульса, мин. напряжение питания"}, "Duty cycle, min. supply voltage"),
        InEnglish({kDMax, "Коэф. заполнения импульса, макс. напряжение питания"}, "Duty cycle, max. supply voltage"),
        InEnglish({kIcout, "Действующий ток (RMS) в выходной емкости (макс.)", "А"},
                  "Output capacitor RMS current (max.)"),
        InEnglish({kCout, "Емкость выходного конденсатора, не менее", "мкФ"}, "Output capacitor, at least"),
        InEnglish({kInfo, "Дополнительная информация"}, "Additional information"),
    };
    return table;
}

const ResultField& PfcResultField(int id) { return ResultOf(PfcResultFields(), id); }

namespace {

std::vector<EnglishPair> PfcEnglish() {
    std::vector<EnglishPair> pairs = SharedCaptionsInEnglish();
    AddEnglishPairs(pairs, PfcFields());
    AddEnglishPairs(pairs, PfcResultFields());
    return pairs;
}

[[maybe_unused]] const bool kPfcEnglish = AddEnglishSource(&PfcEnglish);

}  // namespace

}  // namespace fb
