// The Boostcoil program: one window; it reads no command line.
#include <QApplication>

#include "boostcoil/ui/boostcoildlg.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    fb::CBoostcoilDlg window;
    if (!window.Startup()) return 1;  // its message has been shown
    window.exec();
    return 0;
}
