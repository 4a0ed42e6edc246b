#pragma once
// The flyback program's pictures and icon (compiled-in SVG resources) and its core group
// configuration.
#include <QIcon>

#include "common/ui/coregroup.h"

namespace fb {

QIcon FlybackIcon();
// Control IDs, pictures 129…135 and the lowering rule of the flyback core group.
ui::CoreGroupConfig FlybackCoreGroupConfig();

}  // namespace fb
