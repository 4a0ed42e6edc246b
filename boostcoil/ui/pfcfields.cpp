#include "boostcoil/ui/pfcfields.h"

namespace fb {

using ui::FieldKind;
using In = PfcInput;

const std::vector<PfcField>& PfcFormFields() {
    static const std::vector<PfcField> table = {
        {"core", bcid::kCore, FieldKind::Combo, &In::core},
        {"mater", bcid::kMaterial, FieldKind::Combo, &In::mater},
        {"zazor", bcid::kZazor, FieldKind::Edit, &In::zazor},
        {"Fr", bcid::kFr, FieldKind::Edit, &In::Fr},
        {"Irip", bcid::kIrip, FieldKind::Edit, &In::Irip},
        {"j", bcid::kJ, FieldKind::Edit, &In::j},
        {"Umin", bcid::kUmin, FieldKind::Edit, &In::Umin},
        {"Umax", bcid::kUmax, FieldKind::Edit, &In::Umax},
        {"U2min", bcid::kU2min, FieldKind::Edit, &In::U2min},
        {"U2nom", bcid::kU2nom, FieldKind::Edit, &In::U2nom},
        {"U2max", bcid::kU2max, FieldKind::Edit, &In::U2max},
        {"P2", bcid::kP2, FieldKind::Edit, &In::P2},
        {"d11", bcid::kD11, FieldKind::Edit, &In::d11},
        {"yes_d", bcid::kYesD, FieldKind::Check, nullptr, &In::yes_d},
        {"yes_al", bcid::kGapRadio, FieldKind::Radios, nullptr, &In::yes_al, bcid::kAlRadio},
    };
    return table;
}

}  // namespace fb
