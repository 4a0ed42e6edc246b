// Renders the main window after start-up to a PNG, for the documentation:
//   flyback-screenshot <data root> <output.png>
#include <QApplication>
#include <cstdio>

#include "common/ui/screenshot.h"
#include "flyback/ui/flybackdlg.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: flyback-screenshot <data root> <output.png>\n");
        return 2;
    }
    fb::ui::UseOffscreenScreen();
    QApplication app(argc, argv);
    const QString output = fb::ui::AbsoluteArgument(argv[2]);
    fb::ui::ScreenshotStage stage;
    if (!stage.Prepare(argv[1], "Flyback")) return 1;
    fb::CFlybackDlg window;
    if (!stage.Show(window)) return 1;
    return fb::ui::SaveScreenshot(window, output, argv[2]) ? 0 : 1;
}
