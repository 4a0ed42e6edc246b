// The flyback design-file key table and the pure rules of the form's edits.
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "flyback/design/fields.h"

namespace fb {

const std::vector<KeyField<FlybackInput>>& FlybackKeyTable() {
    static const std::vector<KeyField<FlybackInput>> table = KeyTableOf(FlybackFields());
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
