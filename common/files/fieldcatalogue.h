#pragma once
// A program's catalogue of fields: one row per input and per shown result. The design-file
// key table, the form binding, the regular layout rows, the start-up tooltips, the engine's
// captions in its messages and the command-line report and JSON are all read from these rows,
// so a field is one member of the input record and one row here.
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/files/designfile.h"

namespace fb {

// Captions both programs' forms share, each with its English.
namespace caption {
inline const char* const kGap = "Величина немагнитного зазора, мм";
inline const char* const kGapEn = "Non-magnetic gap, mm";
inline const char* const kAl = "Индуктивность сердечника (AL), нГн/виток^2";
inline const char* const kAlEn = "Core inductance factor (AL), nH/turn^2";
inline const char* const kAlUnit = "нГн/виток^2";
inline const char* const kFrequency = "Частота преобразования, кГц";
inline const char* const kFrequencyEn = "Switching frequency, kHz";
// The frequency without its unit (the clamper's form, the reports' rows).
inline const char* const kFrequencyName = "Частота преобразования";
inline const char* const kFrequencyNameEn = "Switching frequency";
inline const char* const kPeakCurrent = "Амплитуда тока";
inline const char* const kPeakCurrentEn = "Peak current";
inline const char* const kCurrentDensity = "Плотность тока, А/мм2";
inline const char* const kCurrentDensityEn = "Current density, A/mm2";
inline const char* const kCore = "Сердечник";
inline const char* const kCoreEn = "Core";
inline const char* const kMaterial = "Материал";
inline const char* const kMaterialEn = "Material";
inline const char* const kGapOrAl = "Зазор (0) или AL (1)";  // the flag of the two radio buttons
inline const char* const kGapOrAlEn = "Gap (0) or AL (1)";
// Results both programs show.
inline const char* const kPeakFlux = "Амплитуда индукции";
inline const char* const kPeakFluxEn = "Peak flux density";
inline const char* const kCoreLoss = "Мощность потерь в магнитопроводе";
inline const char* const kCoreLossEn = "Core loss";
inline const char* const kWindowFill = "Коэффициент заполнения окна";
inline const char* const kWindowFillEn = "Window fill factor";
inline const char* const kCoreVolume = "Объем сердечника, Ve";
inline const char* const kWireDiameter = "Диаметр провода";
inline const char* const kLeakage = "Индуктивность рассеяния";  // the clamper's estimate, the loss analysis
// The gap/AL field's caption and unit in the mode yes_al (any non-zero value means AL).
inline const char* Zazor(int yes_al) { return yes_al != 0 ? kAl : kGap; }
inline const char* ZazorUnit(int yes_al) { return yes_al != 0 ? kAlUnit : "мм"; }
}  // namespace caption

// Tooltips both programs' forms share.
namespace tip {
inline const char* const kAcFlux = "Амплитуда переменной составляющей индукции";
inline const char* const kRms = "Действующий ток";
inline const char* const kOutputVoltage = "Выходное напряжение";
}  // namespace tip

// The shared captions and tooltips in English. Each program's English table holds them, also
// where its own rows do not (the AL caption of the gap field, a report's bare frequency).
inline std::vector<EnglishPair> SharedCaptionsInEnglish() {
    using namespace caption;
    return {{kGap, kGapEn},
            {kAl, kAlEn},
            {kAlUnit, "nH/turn^2"},
            {kFrequency, kFrequencyEn},
            {kFrequencyName, kFrequencyNameEn},
            {kPeakCurrent, kPeakCurrentEn},
            {kCurrentDensity, kCurrentDensityEn},
            {kCore, kCoreEn},
            {kMaterial, kMaterialEn},
            {kGapOrAl, kGapOrAlEn},
            {kPeakFlux, kPeakFluxEn},
            {kCoreLoss, kCoreLossEn},
            {kWindowFill, kWindowFillEn},
            {kCoreVolume, "Core volume, Ve"},
            {kWireDiameter, "Wire diameter"},
            {kLeakage, "Leakage inductance"},
            {tip::kAcFlux, "Peak AC flux density"},
            {tip::kRms, "RMS current"},
            {tip::kOutputVoltage, "Output voltage"}};
}

// How a control shows an input.
enum class FieldKind {
    Edit,    // a line edit: the text
    Combo,   // an editable list: the edit text, or the entry that begins with it
    Check,   // a check box: flag 0/1
    Radios,  // two radio buttons: flag 0 (first, id) or 1 (second, id2)
};

template <class Input>
struct InputField {
    const char* key;  // settings key; the field's name when it is not stored
    std::string Input::*text = nullptr;
    int Input::*flag = nullptr;
    int id = 0;   // control ID (0: not on the form)
    int id2 = 0;  // the second radio button of a Radios field
    FieldKind kind = FieldKind::Edit;
    const char* caption = "";    // as the form shows it, unit included
    const char* captionEn = "";  // its English ("": none)
    const char* unit = "";
    bool stored = true;    // written to the design file
    bool readBack = true;  // read back from it (design results are written only)
    bool numeric = true;   // a number typed as text
    // The control accepts input only when this holds (nullptr: always).
    bool (*enabledWhen)(const Input&) = nullptr;
    const char* tip = "";   // the control's tooltip from start-up ("": none)
    const char* tip2 = "";  // the tooltip of the second radio button

    std::string Text(const Input& in) const { return text ? in.*text : FormatInt(in.*flag); }
};

// A result control the design fills: its caption and unit as the form shows them. A unit the
// design switches (µH/mH) is the text of the label `unitLabel` instead.
struct ResultField {
    int id;
    std::string caption;
    std::string unit = "";
    int unitLabel = 0;
    std::string tip = "";        // the tooltip the control starts with ("": none)
    std::string captionEn = "";  // the English of caption and tip ("": none)
    std::string tipEn = "";
};

// A result row with its English.
inline ResultField InEnglish(ResultField f, std::string caption, std::string tip = "") {
    f.captionEn = std::move(caption);
    f.tipEn = std::move(tip);
    return f;
}

// The row of result `id`; throws std::out_of_range for an ID the list lacks.
inline const ResultField& ResultOf(const std::vector<ResultField>& results, int id) {
    for (const ResultField& f : results)
        if (f.id == id) return f;
    throw std::out_of_range("no result " + std::to_string(id));
}

// The one rule for results that come out infinite or undefined, in both programs, their windows
// and their command-line tools: the text stays as the formatting gives it ("inf", "-nan"), and
// the result is not valid. A window marks such a result and a tool's "fields" give it no value.
inline bool ResultValid(const std::string& text) { return !ShowsNotFinite(text); }

// A control's tooltip by its ID.
struct ControlTip {
    int id;
    const char* text;  // UTF-8
};

template <class Input>
using InputCatalogue = std::vector<InputField<Input>>;

// Row builders. A number typed into a line edit:
template <class Input>
InputField<Input> EditField(const char* key, std::string Input::*text, int id, const char* caption,
                            const char* captionEn, const char* unit = "") {
    InputField<Input> f{key, text};
    f.id = id;
    f.caption = caption;
    f.captionEn = captionEn;
    f.unit = unit;
    return f;
}

// A name chosen from a list (core, material).
template <class Input>
InputField<Input> ListField(const char* key, std::string Input::*text, int id, const char* caption,
                            const char* captionEn) {
    InputField<Input> f = EditField(key, text, id, caption, captionEn);
    f.kind = FieldKind::Combo;
    f.numeric = false;
    return f;
}

// A flag shown by a check box or a pair of radio buttons.
template <class Input>
InputField<Input> FlagField(const char* key, int Input::*flag, int id, FieldKind kind, const char* caption,
                            const char* captionEn, int id2 = 0) {
    InputField<Input> f{key, nullptr, flag, id, id2, kind, caption, captionEn};
    f.numeric = false;
    return f;
}

// A row with the tooltip of its control (and of its second radio button).
template <class Input>
InputField<Input> WithTip(InputField<Input> f, const char* tip, const char* tip2 = "") {
    f.tip = tip;
    f.tip2 = tip2;
    return f;
}

// The start-up tooltips of a catalogue's controls.
template <class Input>
std::vector<ControlTip> TipsOf(const InputCatalogue<Input>& fields) {
    std::vector<ControlTip> tips;
    for (const InputField<Input>& f : fields) {
        if (f.id && *f.tip) tips.push_back({f.id, f.tip});
        if (f.id2 && *f.tip2) tips.push_back({f.id2, f.tip2});
    }
    return tips;
}

// The design-file rows of a catalogue, in its order.
template <class Input>
std::vector<KeyField<Input>> KeyTableOf(const InputCatalogue<Input>& fields) {
    std::vector<KeyField<Input>> table;
    for (const InputField<Input>& f : fields)
        if (f.stored) table.push_back({f.key, f.text, f.flag, f.readBack});
    return table;
}

// The Russian captions of a catalogue's rows with their English, for the program's English table.
template <class Input>
void AddEnglishPairs(std::vector<EnglishPair>& pairs, const InputCatalogue<Input>& fields) {
    for (const InputField<Input>& f : fields) pairs.push_back({f.caption, f.captionEn});
}
inline void AddEnglishPairs(std::vector<EnglishPair>& pairs, const std::vector<ResultField>& results) {
    for (const ResultField& f : results) {
        pairs.push_back({f.caption, f.captionEn});
        pairs.push_back({f.tip, f.tipEn});
    }
}

// The row of `key`; throws std::out_of_range for a key the catalogue lacks.
template <class Input>
const InputField<Input>& FieldOf(const InputCatalogue<Input>& fields, const std::string& key) {
    for (const InputField<Input>& f : fields)
        if (key == f.key) return f;
    throw std::out_of_range("no field " + key);
}

// The caption without its trailing ", unit" (reports that print the unit after the value).
template <class Input>
std::string BareCaption(const InputField<Input>& f) {
    const std::string caption = f.caption;
    const std::string tail = std::string(", ") + f.unit;
    if (*f.unit && caption.size() > tail.size() &&
        caption.compare(caption.size() - tail.size(), tail.size(), tail) == 0)
        return caption.substr(0, caption.size() - tail.size());
    return caption;
}

}  // namespace fb
