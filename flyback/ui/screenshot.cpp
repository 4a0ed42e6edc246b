// Renders the main window after start-up to a PNG, for the documentation:
//   flyback-screenshot <data root> <output.png>
// or every window of a session, each to "<prefix><window>.png":
//   flyback-screenshot --all <data root> <prefix>
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "common/report/windowshots.h"
#include "common/ui/screenshot.h"
#include "flyback/ui/clamperdlg.h"
#include "flyback/ui/flybackdlg.h"
#include "flyback/ui/pictures.h"

int main(int argc, char* argv[]) {
    const bool all = argc == 4 && std::strcmp(argv[1], "--all") == 0;
    if (argc != 3 && !all) {
        std::fprintf(stderr,
                     "usage: flyback-screenshot <data root> <output.png>\n"
                     "       flyback-screenshot --all <data root> <prefix>\n");
        return 2;
    }
    fb::ui::UseOffscreenScreen();
    QApplication app(argc, argv);
    const char* const* args = argv + (all ? 2 : 1);
    const QString output = all ? QString::fromLocal8Bit(args[1]) : fb::ui::AbsoluteArgument(args[1]);
    fb::ui::ScreenshotStage stage;
    if (!stage.Prepare(args[0], "Flyback")) return 1;
    fb::CFlybackDlg window;
    if (!stage.Show(window)) return 1;
    if (!all) return fb::ui::SaveScreenshot(window, output, args[1]) ? 0 : 1;
    fb::report::SessionWindows windows{fb::ui::SavedFilesConfig::Flyback(),
                                       fb::ui::HelpConfig::Flyback(),
                                       fb::ui::AboutConfig::Of(fb::kFlybackProgram, fb::FlybackIcon()),
                                       {}};
    windows.own = [&window](const auto& shoot) {
        fb::CClamperDlg clamper(window.ClamperHandOver(), &window);
        const fb::LossAnalysis& losses = window.LastAnalysis().losses;
        if (losses.hasLeakage) clamper.OfferBuildUpLeakage(losses.leakage_uH);
        shoot(clamper, "clamper");
    };
    return fb::report::ShootSession(window, *window.designTools(), stage.messages(), windows, output) ? 0 : 1;
}
