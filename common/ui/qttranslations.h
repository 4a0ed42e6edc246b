#pragma once
// Qt's own texts (standard dialog buttons, the edit fields' context menu, file errors) in the
// language the rest of the programs speak, Russian unless told otherwise.
class QCoreApplication;

namespace fb::ui {

// Loads "qtbase_<code>" from Qt's translations folder into the application; false when it is
// not installed there (the texts then stay Qt's English).
bool InstallQtTranslations(QCoreApplication& app, const char* code = "ru");

}  // namespace fb::ui
