#pragma once
// The standard enamelled wire diameters and the two wire choices of the designs.
#include <optional>
#include <string>

#include "common/data/message.h"

namespace fb {

constexpr int kMaxWires = 100;

class CWireTable {
public:
    // Reads dataRoot/Wire.txt; false when it does not open. Wires beyond 100 are ignored:
    // the table has no room for them.
    bool Load(const std::string& dataRoot, std::size_t bufferSize);
    static Message MissingFileMessage(const std::string& dataRoot);

    struct Nearest {
        std::string text;                // to put back into the field
        std::optional<Message> message;  // the replacement notice, when the diameter changed
    };
    // The smallest standard diameter not below the typed one.
    Nearest NearestStandard(const std::string& text);

    struct Choice {
        bool ok = false;           // false only with an empty table
        std::string diameterText;  // tidied "%.3f"
        double strands = 0;
        double S = 0;     // full copper area per strand, mm²
        double Aeff = 0;  // copper area per strand the skin effect lets carry current, mm²
    };
    // Wire and strand count for RMS current I (A) at density j (A/mm²) and skin depth delta (mm);
    // yes_d = 1 keeps the wire of the last NearestStandard.
    Choice ChooseWire(double I, double j, double delta, int yes_d);

    // Overall diameter of a wire of copper diameter d: d plus the insulation build of the
    // nearest wire of the table (d itself when the table is empty).
    double InsulatedDiameter(double d) const;

    int N = 0;
    double d[kMaxWires + 1] = {};
    double diz[kMaxWires + 1] = {};
    double S[kMaxWires + 1] = {};
    int chosen = 0;  // index of the chosen wire, 0 = none yet
    double chosenDiameter = 0;

private:
    double EffectiveArea(int k, double delta) const;
};

}  // namespace fb
