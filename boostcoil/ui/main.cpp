// The Boostcoil program: one window; it reads no command line.
#include <QApplication>

#include "common/ui/qttranslations.h"
#include "boostcoil/ui/boostcoildlg.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    fb::ui::InstallQtTranslations(app);  // Qt's own buttons and menus in Russian too
    fb::CBoostcoilDlg window;
    if (!window.Startup()) return 1;  // its message has been shown
    window.exec();
    return 0;
}
