#pragma once
// The flyback form's controls: the rows of FlybackFields() that have one bind an input both
// ways (ui::FormFieldsOf); the others are commands and switches.
#include "common/ui/formbinding.h"
#include "flyback/design/fields.h"

namespace fb {

using FlybackField = ui::FieldDescriptor<FlybackInput>;

// Control IDs of the main form that are not results.
namespace ctl {
constexpr int kCalculate = 1, kExit = 2, kSave = 3, kLoad = 5, kAddCore = 6;
constexpr int kClamperMenu = 8, kHelpMenu = 57670, kAboutMenu = 57664;
constexpr int kCore = 1005, kMaterial = 1006;
constexpr int kShapeFirst = 1066;  // 1066…1070
constexpr int kZazor = 1064, kGapRadio = 1074, kAlRadio = 1075;
constexpr int kDC = 1072, kAC = 1073, kAuto = 1241, kUmirror = 1046;
constexpr int kUnasRadio = 1076, kRdsRadio = 1077, kRds = 1030, kUnas = 1047;
constexpr int kFconv = 1016, kIccm = 1026, kYesD = 1002;
constexpr int kAddByDims = 1003, kAddByData = 1004;
}  // namespace ctl

}  // namespace fb
