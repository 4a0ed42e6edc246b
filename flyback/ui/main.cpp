// The flyback program: one window; it reads no command line.
#include <QApplication>

#include "common/ui/qttranslations.h"
#include "flyback/ui/flybackdlg.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    fb::ui::InstallQtTranslations(app);  // Qt's own buttons and menus in Russian too
    fb::CFlybackDlg window;
    if (!window.Startup()) return 1;  // its message has been shown
    window.exec();
    return 0;
}
