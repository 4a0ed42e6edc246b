#include "boostcoil/ui/pictures.h"

#include "boostcoil/design/pfccatalogue.h"
#include "common/data/textfile.h"
#include "common/ui/pictures.h"

static void RegisterBoostcoilResources() { Q_INIT_RESOURCE(boostcoil); }
static const fb::ui::ProgramResources kBoostcoilResources("boostcoil", RegisterBoostcoilResources);

namespace fb {

QIcon BoostcoilIcon() { return kBoostcoilResources.Icon(); }

QString SchematicPicturePath() { return kBoostcoilResources.Path(QStringLiteral("schematic.svg")); }

ui::CoreGroupConfig BoostcoilCoreGroupConfig() {
    // Combos, shapes, dimensions A B C D H h I, then mu le Ae An Ve, the add modes and button.
    // The IDs packed in the order of their comment.
    // clang-format off
    ui::CoreGroupConfig c(ui::CoreGroupIds{bcid::kCore, bcid::kMaterial, {1011, 1012, 1013, 1014, 1015},
                                           {1021, 1022, 1023, 1024, 1026, 1025, 1027}, 1028, 1031, 1029, 1030,
                                           1032, bcid::kAddByDims, bcid::kAddByData, bcid::kAddCore});
    // clang-format on
    // A shorter list of the new shape puts the selection on its first core, not its last.
    c.lowering = ShapeLowering::ToFirst;
    c.coreBufferSize = kPfcCoreBuffer;
    // Pictures by shape: E 133/134, EI 135/136, ER and ETD 137/138, other 142.
    const QString folder = kBoostcoilResources.Path(QStringLiteral("pictures/"));
    c.pictures = ui::ShapePictures(folder, {133, 135, 137, 137, 142});
    c.dimsPictures = ui::ShapePictures(folder, {134, 136, 138, 138, 142});
    return c;
}

}  // namespace fb
