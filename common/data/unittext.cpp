#include "common/data/unittext.h"

#include "common/data/numbers.h"

namespace fb {

ValueWithUnit InductanceText(double uH) {
    if (uH >= 1000) return {F3(uH / 1000), "мГн"};
    return {F3(uH), "мкГн"};
}

}  // namespace fb
