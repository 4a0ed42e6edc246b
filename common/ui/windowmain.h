#pragma once
// main() of a window program: one window, no command line; a start-up that stops has shown
// its message already, and the program ends with status 1. The program's preferences file in
// its folder (the current folder) holds the interface language and the window's position.
#include <QApplication>
#include <QLocale>
#include <string>

#include "common/files/preferences.h"
#include "common/ui/language.h"
#include "common/ui/screenfit.h"

namespace fb::ui {

template <class Window>
int RunWindowProgram(int argc, char* argv[], const char* program) {
    QApplication app(argc, argv);
    const Preferences prefs = Preferences::Read(PreferencesPath("", program));
    const Language language = ChosenLanguage(prefs.Text("language"), QLocale::system());
    InstallTranslations(app, language, QCoreApplication::applicationDirPath());
    FitEveryWindow(&app, &prefs);  // each window where it was at the last exit
    Window window;
    window.setPreferencesName(program);
    if (!window.Startup()) return 1;
    PlaceWindow(window, prefs);
    window.exec();
    StorePlace(window, window.preferencesPath());
    return 0;
}

}  // namespace fb::ui
