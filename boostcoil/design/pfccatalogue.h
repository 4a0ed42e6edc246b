#pragma once
// The Boostcoil main form's catalogue of fields: every input with its settings key, control,
// caption and unit, in the design file's order, and every result the design fills.
#include <vector>

#include "boostcoil/design/pfc.h"
#include "common/files/fieldcatalogue.h"

namespace fb {

const InputCatalogue<PfcInput>& PfcFields();
const std::vector<ResultField>& PfcResultFields();
const ResultField& PfcResultField(int id);

// Control IDs of the form's inputs and commands (the results' are in fb::pfcid).
namespace bcid {
constexpr int kCalculate = 1, kExit = 2, kSave = 5, kLoad = 6, kAddCore = 8;
constexpr int kSchematicMenu = 32772, kHelpMenu = 57670, kAboutMenu = 57664;
constexpr int kAddByDims = 1002, kAddByData = 1003;
constexpr int kShapeFirst = 1011;  // 1011…1015
constexpr int kCore = 1000, kMaterial = 1001, kYesD = 1004;
constexpr int kUmin = 1040, kUmax = 1041, kFr = 1042, kIrip = 1043, kJ = 1044;
constexpr int kU2min = 1045, kU2nom = 1046, kU2max = 1047, kP2 = 1048, kD11 = 1049, kZazor = 1050;
constexpr int kGapRadio = 1136, kAlRadio = 1139;
}  // namespace bcid

}  // namespace fb
