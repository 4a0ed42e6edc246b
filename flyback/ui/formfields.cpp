#include "flyback/ui/formfields.h"

namespace fb {

using ui::FieldKind;
using In = FlybackInput;

const std::vector<FlybackField>& FlybackFormFields() {
    static const std::vector<FlybackField> table = {
        {"core", 1005, FieldKind::Combo, &In::core},
        {"mater", 1006, FieldKind::Combo, &In::mater},
        {"zazor", 1064, FieldKind::Edit, &In::zazor},
        {"Umin", 1045, FieldKind::Edit, &In::Umin},
        {"Unom", 1048, FieldKind::Edit, &In::Unom},
        {"Umax", 1044, FieldKind::Edit, &In::Umax},
        {"setevoe", 1072, FieldKind::Radios, nullptr, &In::setevoe, 1073},
        {"Fconv", 1016, FieldKind::Edit, &In::Fconv},
        {"Umirror", 1046, FieldKind::Edit, &In::Umirror},
        {"Auto", 1241, FieldKind::Check, nullptr, &In::Auto},
        {"Utrmax", 1052, FieldKind::Edit, &In::Utrmax},
        {"j", 1061, FieldKind::Edit, &In::j},
        {"Rds", 1030, FieldKind::Edit, &In::Rds},
        {"Unas", 1047, FieldKind::Edit, &In::Unas},
        {"rds", 1076, FieldKind::Radios, nullptr, &In::rds, 1077},
        {"Iccm", 1026, FieldKind::Edit, &In::Iccm},
        {"U21", 1033, FieldKind::Edit, &In::U21},
        {"U22", 1034, FieldKind::Edit, &In::U22},
        {"U23", 1035, FieldKind::Edit, &In::U23},
        {"U24", 1036, FieldKind::Edit, &In::U24},
        {"U25", 1037, FieldKind::Edit, &In::U25},
        {"I21", 1021, FieldKind::Edit, &In::I21},
        {"I22", 1022, FieldKind::Edit, &In::I22},
        {"I23", 1023, FieldKind::Edit, &In::I23},
        {"I24", 1024, FieldKind::Edit, &In::I24},
        {"I25", 1025, FieldKind::Edit, &In::I25},
        {"Ud1", 1039, FieldKind::Edit, &In::Ud1},
        {"Ud2", 1040, FieldKind::Edit, &In::Ud2},
        {"Ud3", 1041, FieldKind::Edit, &In::Ud3},
        {"Ud4", 1042, FieldKind::Edit, &In::Ud4},
        {"Ud5", 1043, FieldKind::Edit, &In::Ud5},
        {"yes_d", 1002, FieldKind::Check, nullptr, &In::yes_d},
        {"yes_al", 1074, FieldKind::Radios, nullptr, &In::yes_al, 1075},
        {"d11", 1054, FieldKind::Edit, &In::d11},
        {"d21", 1055, FieldKind::Edit, &In::d21},
        {"d22", 1056, FieldKind::Edit, &In::d22},
        {"d23", 1057, FieldKind::Edit, &In::d23},
        {"d24", 1058, FieldKind::Edit, &In::d24},
        {"d25", 1059, FieldKind::Edit, &In::d25},
        {"Usense", 1051, FieldKind::Edit, &In::Usense},
    };
    return table;
}

}  // namespace fb
