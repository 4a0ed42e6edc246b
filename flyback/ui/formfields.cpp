#include "flyback/ui/formfields.h"

#include "flyback/design/fields.h"

namespace fb {

const std::vector<FlybackField>& FlybackFormFields() {
    static const std::vector<FlybackField> table = ui::FormFieldsOf(FlybackFields());
    return table;
}

}  // namespace fb
