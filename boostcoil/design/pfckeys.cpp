#include "boostcoil/design/pfckeys.h"

#include "boostcoil/design/pfccatalogue.h"

namespace fb {

const std::vector<KeyField<PfcInput>>& PfcKeyTable() {
    static const std::vector<KeyField<PfcInput>> table = KeyTableOf(PfcFields());
    return table;
}

CDesignFile<PfcInput> PfcDesignFile() { return CDesignFile<PfcInput>(PfcKeyTable(), LookupRule::Pfc, kPfcSmallBuffer); }

}  // namespace fb
