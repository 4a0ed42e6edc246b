#pragma once
// Qt's own texts (standard dialog buttons, the edit fields' context menu, file errors) in
// Russian, as the rest of the programs speak.
class QCoreApplication;

namespace fb::ui {

// Loads "qtbase_ru" from Qt's translations folder into the application; false when it is
// not installed there (the texts then stay English).
bool InstallQtTranslations(QCoreApplication& app);

}  // namespace fb::ui
