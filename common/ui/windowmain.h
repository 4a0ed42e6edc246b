#pragma once
// main() of a window program: one window, no command line; a start-up that stops has shown
// its message already, and the program ends with status 1.
#include <QApplication>

#include "common/ui/qttranslations.h"

namespace fb::ui {

template <class Window>
int RunWindowProgram(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallQtTranslations(app);  // Qt's own buttons and menus in Russian too
    Window window;
    if (!window.Startup()) return 1;
    window.exec();
    return 0;
}

}  // namespace fb::ui
