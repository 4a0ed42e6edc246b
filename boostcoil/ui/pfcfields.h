#pragma once
// The Boostcoil form's controls: the rows of PfcFields() that have one bind an input both ways
// (ui::FormFieldsOf); the others are commands.
#include "boostcoil/design/pfccatalogue.h"
#include "common/ui/formbinding.h"

namespace fb {

using PfcField = ui::FieldDescriptor<PfcInput>;

// Control IDs of the main form that are not design results (those are in fb::pfcid).
namespace bcid {
constexpr int kCalculate = 1, kExit = 2, kSave = 5, kLoad = 6, kAddCore = 8;
constexpr int kSchematicMenu = 32772, kHelpMenu = 57670, kAboutMenu = 57664;
constexpr int kAddByDims = 1002, kAddByData = 1003;
constexpr int kShapeFirst = 1011;  // 1011…1015
}  // namespace bcid

}  // namespace fb
