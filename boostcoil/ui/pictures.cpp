#include "boostcoil/ui/pictures.h"

#include "common/data/textfile.h"

static void InitResourcesOutsideNamespace() { Q_INIT_RESOURCE(boostcoil); }

namespace fb {

void InitBoostcoilResources() {
    static const bool done = (InitResourcesOutsideNamespace(), true);
    (void)done;
}

QIcon BoostcoilIcon() {
    InitBoostcoilResources();
    return QIcon(QStringLiteral(":/boostcoil/icon.svg"));
}

ui::CoreGroupConfig BoostcoilCoreGroupConfig() {
    InitBoostcoilResources();
    ui::CoreGroupConfig c;
    c.coreCombo = 1000;
    c.materialCombo = 1001;
    c.shapes = {1011, 1012, 1013, 1014, 1015};
    c.dims = {1021, 1022, 1023, 1024, 1026, 1025, 1027};  // A, B, C, D, H, h, I
    c.mu = 1028;
    c.Ae = 1029;
    c.An = 1030;
    c.le = 1031;
    c.Ve = 1032;
    c.addByDims = 1002;
    c.addByData = 1003;
    c.addButton = 8;
    // Pictures by shape: E 133/134, EI 135/136, ER and ETD 137/138, other 142.
    const QString p = QStringLiteral(":/boostcoil/pictures/");
    c.pictures = {p + "133.svg", p + "135.svg", p + "137.svg", p + "137.svg", p + "142.svg"};
    c.dimsPictures = {p + "134.svg", p + "136.svg", p + "138.svg", p + "138.svg", p + "142.svg"};
    // A shorter list of the new shape puts the selection on its first core, not its last.
    c.lowering = ShapeLowering::ToFirst;
    c.coreBufferSize = kPfcCoreBuffer;
    return c;
}

QString SchematicPicturePath() {
    InitBoostcoilResources();
    return QStringLiteral(":/boostcoil/schematic.svg");
}

}  // namespace fb
