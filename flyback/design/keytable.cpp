// The flyback design-file key table and the pure rules of the form's edits.
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "flyback/design/flyback.h"

namespace fb {

const std::vector<KeyField<FlybackInput>>& FlybackKeyTable() {
    using F = KeyField<FlybackInput>;
    using I = FlybackInput;
    static const std::vector<F> table = {
        F::Text("core", &I::core),     F::Text("mater", &I::mater),   F::Text("zazor", &I::zazor),
        F::Text("Umin", &I::Umin),     F::Text("Unom", &I::Unom),     F::Text("Umax", &I::Umax),
        F::Flag("setevoe", &I::setevoe), F::Text("Fconv", &I::Fconv), F::Text("Umirror", &I::Umirror),
        F::Flag("Auto", &I::Auto),     F::Text("Utrmax", &I::Utrmax), F::Text("j", &I::j),
        F::Text("Rds", &I::Rds),       F::Text("Unas", &I::Unas),     F::Flag("rds", &I::rds),
        F::Text("Iccm", &I::Iccm),
        F::Text("U21", &I::U21),       F::Text("U22", &I::U22),       F::Text("U23", &I::U23),
        F::Text("U24", &I::U24),       F::Text("U25", &I::U25),
        F::Text("I21", &I::I21),       F::Text("I22", &I::I22),       F::Text("I23", &I::I23),
        F::Text("I24", &I::I24),       F::Text("I25", &I::I25),
        F::Text("Ud1", &I::Ud1),       F::Text("Ud2", &I::Ud2),       F::Text("Ud3", &I::Ud3),
        F::Text("Ud4", &I::Ud4),       F::Text("Ud5", &I::Ud5),
        F::Flag("yes_d", &I::yes_d),   F::Flag("yes_al", &I::yes_al),
        F::Text("d11", &I::d11),
        F::Text("d21", &I::d21),       F::Text("d22", &I::d22),       F::Text("d23", &I::d23),
        F::Text("d24", &I::d24),       F::Text("d25", &I::d25),
        F::Text("w1", &I::w1, false),
        F::Text("w21", &I::w21, false), F::Text("w22", &I::w22, false), F::Text("w23", &I::w23, false),
        F::Text("w24", &I::w24, false), F::Text("w25", &I::w25, false),
        F::Text("n1", &I::n1, false),
        F::Text("n21", &I::n21, false), F::Text("n22", &I::n22, false), F::Text("n23", &I::n23, false),
        F::Text("n24", &I::n24, false), F::Text("n25", &I::n25, false),
        F::Text("Uclamp", &I::Uclamp), F::Text("Ures", &I::Ures),     F::Text("Ceq", &I::Ceq),
        F::Text("Ls", &I::Ls),         F::Text("TL1", &I::TL1),       F::Text("TLs", &I::TLs),
    };
    return table;
}

CDesignFile<FlybackInput> FlybackDesignFile() {
    return CDesignFile<FlybackInput>(FlybackKeyTable(), LookupRule::Standard, kBigBuffer);
}

std::string LimitFconvText(const std::string& text, double lastFrequency) {
    std::string out = CommaToPoint(text);
    if (lastFrequency > 0 && TextToDouble(out) > lastFrequency) out = F0(lastFrequency);
    return out;
}

std::string LimitIccmText(const std::string& text, bool* changed) {
    std::string out = CommaToPoint(text);
    const bool over = TextToDouble(out) > 70;
    if (over) out = "70";
    if (changed) *changed = over;
    return out;
}

}  // namespace fb
