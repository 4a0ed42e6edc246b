#include "flyback/ui/pictures.h"

#include "common/ui/pictures.h"
#include "flyback/ui/formfields.h"

static void RegisterFlybackResources() { Q_INIT_RESOURCE(flyback); }
static const fb::ui::ProgramResources kFlybackResources("flyback", RegisterFlybackResources);

namespace fb {

QIcon FlybackIcon() { return kFlybackResources.Icon(); }

ui::CoreGroupConfig FlybackCoreGroupConfig() {
    // Combos, shapes, dimensions A B C D H h I, then mu le Ae An Ve, the add modes and button.
    // The IDs packed in the order of their comment.
    // clang-format off
    ui::CoreGroupConfig c(ui::CoreGroupIds{ctl::kCore, ctl::kMaterial, {1066, 1067, 1068, 1069, 1070},
                                           {1008, 1011, 1012, 1015, 1019, 1060, 1020}, 1063, 1062, 1009, 1010,
                                           1053, ctl::kAddByDims, ctl::kAddByData, ctl::kAddCore});
    // clang-format on
    // Pictures by shape: E 129/130, EI 131/132, ER and ETD 133/134, other 135.
    const QString folder = kFlybackResources.Path(QStringLiteral("pictures/"));
    c.pictures = ui::ShapePictures(folder, {129, 131, 133, 133, 135});
    c.dimsPictures = ui::ShapePictures(folder, {130, 132, 134, 134, 135});
    c.lowering = ShapeLowering::ToLast;
    return c;
}

}  // namespace fb
