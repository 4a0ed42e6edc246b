#pragma once
// Boostcoil's pictures and icon (compiled-in SVG resources) and its core group configuration.
#include <QIcon>
#include <QString>

#include "common/ui/coregroup.h"

namespace fb {

QIcon BoostcoilIcon();
// Control IDs, pictures 133…138 and 142 and the lowering rule of Boostcoil's core group.
ui::CoreGroupConfig BoostcoilCoreGroupConfig();
// The reference circuit shown by the schematic window.
QString SchematicPicturePath();

}  // namespace fb
