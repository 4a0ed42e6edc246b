#pragma once
// The interface language. The forms are built with their Russian texts; an English start
// installs the programs' translation (a .qm file beside the program, from translations/*.ts)
// and Qt's own English texts, and a window then puts its static texts through Translated().
// Texts that Qt-free code holds (field captions and the like) take their English from
// common/data/english.h, which the command-line tools can use too.
#include <QString>
#include <string>

class QCoreApplication;
class QLabel;
class QLocale;
class QWidget;

namespace fb::ui {

enum class Language { Russian, English };

// The language of this run: Russian until SetInterfaceLanguage says otherwise.
Language InterfaceLanguage();
void SetInterfaceLanguage(Language language);
const char* LanguageCode(Language language);  // "ru", "en"

// The language the user chose ("ru", "en"); without a choice, the desktop's: English for a
// desktop language other than Russian, Russian when it names none (C, POSIX).
Language ChosenLanguage(const std::string& stored, const QLocale& desktop);

// Sets the interface language and installs Qt's own texts for it and, for English, the
// programs' translation "magnetics_en.qm" from `folder` and a filter that puts every window
// through TranslateWidgets when it is first shown (an object named "fbWindowTranslator"). False when a file could not
// be loaded (the texts it holds then stay as they are).
bool InstallTranslations(QCoreApplication& app, Language language, const QString& folder);

// A Russian interface text in the interface language: the programs' translation first, then
// the English of the Qt-free captions; unchanged for Russian or when no translation exists.
QString Translated(const QString& russian);

// A label showing `russian` in the interface language; SourceText() gives the Russian text
// back, so what the program reads from its labels (units, results) never depends on the language.
void SetLabelText(QLabel* label, const QString& russian);
QString SourceText(const QLabel* label);

// The window title and the static texts of the widget and its children: labels, buttons,
// group titles, menus and their commands.
void TranslateWidgets(QWidget* root);

}  // namespace fb::ui
