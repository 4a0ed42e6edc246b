#include "boostcoil/ui/pfcfields.h"

namespace fb {

const std::vector<PfcField>& PfcFormFields() {
    static const std::vector<PfcField> table = ui::FormFieldsOf(PfcFields());
    return table;
}

}  // namespace fb
