#include "boostcoil/ui/pictures.h"

#include "boostcoil/ui/pfcfields.h"
#include "common/data/textfile.h"
#include "common/ui/pictures.h"

static void RegisterBoostcoilResources() { Q_INIT_RESOURCE(boostcoil); }

namespace fb {
namespace {

const ui::ProgramResources& Resources() {
    static const ui::ProgramResources resources("boostcoil", RegisterBoostcoilResources);
    return resources;
}

}  // namespace

QIcon BoostcoilIcon() { return Resources().Icon(); }

ui::CoreGroupConfig BoostcoilCoreGroupConfig() {
    // Combos, shapes, dimensions A B C D H h I, then mu le Ae An Ve, the add modes and button.
    ui::CoreGroupConfig c{1000, 1001, {1011, 1012, 1013, 1014, 1015}, {1021, 1022, 1023, 1024, 1026, 1025, 1027},
                          1028, 1031, 1029, 1030, 1032, bcid::kAddByDims, bcid::kAddByData, bcid::kAddCore};
    // Pictures by shape: E 133/134, EI 135/136, ER and ETD 137/138, other 142.
    const QString folder = Resources().Path(QStringLiteral("pictures/"));
    c.pictures = ui::ShapePictures(folder, {133, 135, 137, 137, 142});
    c.dimsPictures = ui::ShapePictures(folder, {134, 136, 138, 138, 142});
    // A shorter list of the new shape puts the selection on its first core, not its last.
    c.lowering = ShapeLowering::ToFirst;
    c.coreBufferSize = kPfcCoreBuffer;
    return c;
}

QString SchematicPicturePath() { return Resources().Path(QStringLiteral("schematic.svg")); }

}  // namespace fb
