#pragma once
// Quantities whose unit label follows their size, shared by both designs.
#include <string>

namespace fb {

struct ValueWithUnit {
    std::string text;
    std::string unit;
};

// An inductance in µH: from 1000 µH on "%.3f" of mH with "мГн", below that "%.3f" with "мкГн".
ValueWithUnit InductanceText(double uH);

}  // namespace fb
