#include "common/ui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

#include "common/data/english.h"
#include "common/ui/qttranslations.h"

namespace fb::ui {
namespace {

Language g_language = Language::Russian;

// The context of every entry of translations/magnetics_en.ts.
const char* const kContext = "fb";
const char* const kWindowTranslator = "fbWindowTranslator";

void TranslateActions(const QList<QAction*>& actions) {
    for (QAction* a : actions) {
        if (a->menu()) {
            a->menu()->setTitle(Translated(a->menu()->title()));
            TranslateActions(a->menu()->actions());
        } else if (!a->isSeparator()) {
            a->setText(Translated(a->text()));
        }
    }
}

// Every window (dialogs, message boxes, windows added later) is put into English as it is
// first shown, so no window needs a call of its own.
class WindowTranslator : public QObject {
public:
    explicit WindowTranslator(QObject* parent) : QObject(parent) { setObjectName(kWindowTranslator); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && !watched->property("fbTranslated").toBool()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow()) {
                w->setProperty("fbTranslated", true);
                TranslateWidgets(w);
            }
        }
        return false;
    }
};

}  // namespace

Language InterfaceLanguage() { return g_language; }

void SetInterfaceLanguage(Language language) {
    g_language = language;
    SetEnglishTexts(language == Language::English);  // the Qt-free texts (plots, notes) follow
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "ru"; }

Language ChosenLanguage(const std::string& stored, const QLocale& desktop) {
    if (stored == "ru") return Language::Russian;
    if (stored == "en") return Language::English;
    const QLocale::Language l = desktop.language();
    return l == QLocale::Russian || l == QLocale::C || l == QLocale::AnyLanguage ? Language::Russian
                                                                                 : Language::English;
}

bool InstallTranslations(QCoreApplication& app, Language language, const QString& folder) {
    SetInterfaceLanguage(language);
    bool ok = InstallQtTranslations(app, LanguageCode(language));
    if (language == Language::Russian) return ok;
    app.installEventFilter(new WindowTranslator(&app));
    auto* own = new QTranslator(&app);
    if (!own->load(QStringLiteral("magnetics_en"), folder) || !QCoreApplication::installTranslator(own)) {
        delete own;
        return false;
    }
    return ok;
}

namespace {

// A whole text from the programs' translation, else from the Qt-free table.
bool WholeText(const std::string& russian, std::string& english) {
    const QString ours = QCoreApplication::translate(kContext, russian.c_str());
    if (ours != QString::fromStdString(russian)) {
        english = ours.toStdString();
        return true;
    }
    const char* text = EnglishText(russian);
    if (text) english = text;
    return text != nullptr;
}

}  // namespace

// A text composed at run time ("58 витков, провод 0.28 x 1", "12.00 В") has no entry of its
// own: the one piece-by-piece fallback of the Qt-free layer, over both tables.
QString Translated(const QString& russian) {
    if (g_language == Language::Russian || russian.isEmpty()) return russian;
    return QString::fromStdString(EnglishRuns(russian.toStdString(), WholeText));
}

namespace {
const char* const kSourceText = "fbSourceText";
}

void SetLabelText(QLabel* label, const QString& russian) {
    label->setProperty(kSourceText, russian);
    label->setText(Translated(russian));
}

// A text set straight with setText() since wins over the stored one.
QString SourceText(const QLabel* label) {
    const QVariant source = label->property(kSourceText);
    if (!source.isValid() || Translated(source.toString()) != label->text()) return label->text();
    return source.toString();
}

void TranslateWidgets(QWidget* root) {
    if (g_language == Language::Russian) return;
    if (root->isWindow()) root->setWindowTitle(Translated(root->windowTitle()));
    for (QLabel* w : root->findChildren<QLabel*>())
        if (!w->property(kSourceText).isValid()) SetLabelText(w, w->text());
    for (QAbstractButton* w : root->findChildren<QAbstractButton*>()) w->setText(Translated(w->text()));
    for (QGroupBox* w : root->findChildren<QGroupBox*>()) w->setTitle(Translated(w->title()));
    for (QMenuBar* w : root->findChildren<QMenuBar*>()) TranslateActions(w->actions());
}

}  // namespace fb::ui
