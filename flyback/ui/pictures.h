#pragma once
// The flyback program's pictures and icon (compiled-in SVG resources) and its core group
// configuration.
#include <QIcon>

#include "common/ui/coregroup.h"

namespace fb {

// Resources live in a static library: this registers them (safe to call more than once).
void InitFlybackResources();
QIcon FlybackIcon();
// Control IDs, pictures 129…135 and the lowering rule of the flyback core group.
ui::CoreGroupConfig FlybackCoreGroupConfig();

}  // namespace fb
