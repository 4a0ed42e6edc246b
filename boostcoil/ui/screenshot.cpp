// Renders the main window after start-up to a PNG, for the documentation:
//   boostcoil-screenshot <data root> <output.png> [<schematic.png>]
#include <QApplication>
#include <cstdio>

#include "boostcoil/ui/boostcoildlg.h"
#include "boostcoil/ui/hints.h"
#include "common/ui/screenshot.h"

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: boostcoil-screenshot <data root> <output.png> [<schematic.png>]\n");
        return 2;
    }
    fb::ui::UseOffscreenScreen();
    QApplication app(argc, argv);
    const QString output = fb::ui::AbsoluteArgument(argv[2]);
    const QString schematic = argc == 4 ? fb::ui::AbsoluteArgument(argv[3]) : QString();
    fb::ui::ScreenshotStage stage;
    if (!stage.Prepare(argv[1], "Boostcoil")) return 1;
    fb::CBoostcoilDlg window;
    if (!stage.Show(window)) return 1;
    if (!fb::ui::SaveScreenshot(window, output, output.toLocal8Bit().constData())) return 1;
    if (!schematic.isEmpty()) {
        fb::CHints hints(&window);
        hints.show();
        app.processEvents();
        if (!fb::ui::SaveScreenshot(hints, schematic, schematic.toLocal8Bit().constData())) return 1;
    }
    return 0;
}
