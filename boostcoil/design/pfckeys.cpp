#include "boostcoil/design/pfckeys.h"

namespace fb {

const std::vector<KeyField<PfcInput>>& PfcKeyTable() {
    using F = KeyField<PfcInput>;
    static const std::vector<F> table = {
        F::Text("core", &PfcInput::core),   F::Text("mater", &PfcInput::mater), F::Text("zazor", &PfcInput::zazor),
        F::Text("Fr", &PfcInput::Fr),       F::Text("Irip", &PfcInput::Irip),   F::Text("j", &PfcInput::j),
        F::Text("Umin", &PfcInput::Umin),   F::Text("Umax", &PfcInput::Umax),   F::Text("U2min", &PfcInput::U2min),
        F::Text("U2nom", &PfcInput::U2nom), F::Text("U2max", &PfcInput::U2max), F::Text("P2", &PfcInput::P2),
        F::Text("d11", &PfcInput::d11),     F::Flag("yes_d", &PfcInput::yes_d), F::Flag("yes_al", &PfcInput::yes_al),
    };
    return table;
}

CDesignFile<PfcInput> PfcDesignFile() { return CDesignFile<PfcInput>(PfcKeyTable(), LookupRule::Pfc, kPfcSmallBuffer); }

}  // namespace fb
