#pragma once
// Adding a core to the user catalogue, without widgets: validation, the shape prefix, the
// dimension formulas and the byte-exact record.
#include <string>

#include "common/data/message.h"

namespace fb {

// Dimension texts as typed, mm: A overall width, B between the outer legs' inner faces,
// C depth, D centre leg width (diameter for round legs), H height of one half,
// h window height of one half, I thickness of the I piece (EI only).
struct CoreDims {
    std::string A, B, C, D, H, h, I;
};

struct AddCoreRequest {
    int shape = 0;
    bool byDims = false;
    bool byData = false;
    std::string name;  // the core combo box's edit text, untrimmed
    std::string mu, Ae, An, le;
    CoreDims dims;
};

struct AddCoreResult {
    bool ok = false;
    Messages messages;  // the validation message when refused
    std::string name;   // with its shape prefix
    std::string AeText, AnText, leText, muText;
    std::string record;  // the bytes appended to the user file (UTF-8, CR LF)
};

// The name's prefix for shapes 0-3 ("E ", "EI ", "ER ", "ETD "), "" for shape 4.
std::string ShapePrefix(int shape);

// Inserts the shape's prefix when the name does not contain it anywhere.
std::string ApplyPrefix(const std::string& name, int shape);

// The computed data of the dimension mode: Ae, An ("%.2f") and le ("%.1f") texts.
struct CoreData {
    double Ae = 0, An = 0, le = 0;
};
CoreData DimensionFormulas(int shape, double A, double B, double C, double D, double H, double h, double I);

// "[name]" CR LF "Ae = " ... "mu = " ... CR LF CR LF.
std::string CoreRecordText(const std::string& name, const std::string& Ae, const std::string& An, const std::string& le,
                           const std::string& mu);

// Checks the request and builds the record; nothing is written here. With neither mode set
// the result is not ok and carries no message.
AddCoreResult PrepareCore(const AddCoreRequest& request);

}  // namespace fb
