#include "flyback/ui/pictures.h"

#include <QDir>

static void InitResourcesOutsideNamespace() { Q_INIT_RESOURCE(flyback); }

namespace fb {

void InitFlybackResources() {
    static const bool done = (InitResourcesOutsideNamespace(), true);
    (void)done;
}

QIcon FlybackIcon() {
    InitFlybackResources();
    return QIcon(QStringLiteral(":/flyback/icon.svg"));
}

ui::CoreGroupConfig FlybackCoreGroupConfig() {
    InitFlybackResources();
    ui::CoreGroupConfig c;
    c.coreCombo = 1005;
    c.materialCombo = 1006;
    c.shapes = {1066, 1067, 1068, 1069, 1070};
    c.dims = {1008, 1011, 1012, 1015, 1019, 1060, 1020};
    c.mu = 1063;
    c.le = 1062;
    c.Ae = 1009;
    c.An = 1010;
    c.Ve = 1053;
    c.addByDims = 1003;
    c.addByData = 1004;
    c.addButton = 6;
    // Pictures by shape: E 129/130, EI 131/132, ER and ETD 133/134, other 135.
    const QString p = QStringLiteral(":/flyback/pictures/");
    c.pictures = {p + "129.svg", p + "131.svg", p + "133.svg", p + "133.svg", p + "135.svg"};
    c.dimsPictures = {p + "130.svg", p + "132.svg", p + "134.svg", p + "134.svg", p + "135.svg"};
    c.lowering = ShapeLowering::ToLast;
    return c;
}

}  // namespace fb
