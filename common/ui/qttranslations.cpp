#include "common/ui/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace fb::ui {

bool InstallQtTranslations(QCoreApplication& app, const char* code) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_") + QLatin1String(code),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // Qt's English file holds no texts (English is what Qt speaks): nothing to install.
    if (translator->isEmpty()) {
        delete translator;
        return true;
    }
    if (!QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace fb::ui
