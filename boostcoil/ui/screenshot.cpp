// Renders the main window after start-up to a PNG, for the documentation:
//   boostcoil-screenshot <data root> <output.png> [<schematic.png>]
// or every window of a session, each to "<prefix><window>.png":
//   boostcoil-screenshot --all <data root> <prefix>
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "boostcoil/ui/boostcoildlg.h"
#include "boostcoil/ui/hints.h"
#include "boostcoil/ui/pictures.h"
#include "common/report/windowshots.h"
#include "common/ui/screenshot.h"

int main(int argc, char* argv[]) {
    const bool all = argc == 4 && std::strcmp(argv[1], "--all") == 0;
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr,
                     "usage: boostcoil-screenshot <data root> <output.png> [<schematic.png>]\n"
                     "       boostcoil-screenshot --all <data root> <prefix>\n");
        return 2;
    }
    fb::ui::UseOffscreenScreen();
    QApplication app(argc, argv);
    const char* const* args = argv + (all ? 2 : 1);
    const QString output = all ? QString::fromLocal8Bit(args[1]) : fb::ui::AbsoluteArgument(args[1]);
    const QString schematic = argc == 4 && !all ? fb::ui::AbsoluteArgument(argv[3]) : QString();
    fb::ui::ScreenshotStage stage;
    if (!stage.Prepare(args[0], "Boostcoil")) return 1;
    fb::CBoostcoilDlg window;
    if (!stage.Show(window)) return 1;
    if (all) {
        fb::report::SessionWindows windows{fb::ui::SavedFilesConfig::Boostcoil(),
                                           fb::ui::HelpConfig::Boostcoil(),
                                           fb::ui::AboutConfig::Of(fb::kBoostcoilProgram, fb::BoostcoilIcon()),
                                           {}};
        windows.own = [&window](const auto& shoot) {
            fb::CHints hints(&window);
            shoot(hints, "schematic");
        };
        return fb::report::ShootSession(window, *window.designTools(), stage.messages(), windows, output) ? 0 : 1;
    }
    if (!fb::ui::SaveScreenshot(window, output, output.toLocal8Bit().constData())) return 1;
    if (!schematic.isEmpty()) {
        fb::CHints hints(&window);
        hints.show();
        app.processEvents();
        if (!fb::ui::SaveScreenshot(hints, schematic, schematic.toLocal8Bit().constData())) return 1;
    }
    return 0;
}
