#include "common/ui/screenshot.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryFile>
#include <QWidget>
#include <cstdio>

#include "common/ui/designwindow.h"
#include "common/ui/language.h"
#include "common/ui/screenfit.h"

namespace fb::ui {
namespace {

bool CopyDataRoot(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString rel = QDir(from).relativeFilePath(file);
        if (rel.startsWith(QLatin1String("sources/")) || rel.endsWith(QLatin1String(".ini")) ||
            rel.endsWith(QLatin1String(".prefs")))
            continue;
        const QString target = to + QLatin1Char('/') + rel;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(file, target)) return false;
    }
    return true;
}

}  // namespace

ScreenshotStage::ScreenshotStage() : m_seam(&m_messages) {}

bool ScreenshotStage::Prepare(const char* dataRoot, const char* program) {
    const QString source = AbsoluteArgument(dataRoot);
    if (!m_temp.isValid() || !CopyDataRoot(source, m_temp.path()) ||
        !QDir::setCurrent(m_temp.path() + QLatin1Char('/') + QLatin1String(program))) {
        std::fprintf(stderr, "cannot prepare a copy of %s\n", dataRoot);
        return false;
    }
    const Language language = ChosenLanguage(qgetenv("MAGNETICS_LANG").toStdString(), QLocale::c());
    if (!InstallTranslations(*QCoreApplication::instance(), language, QDir::currentPath()))
        std::fprintf(stderr, "cannot load the translations for \"%s\"\n", LanguageCode(language));
    FitEveryWindow(QCoreApplication::instance());
    return true;
}

bool ScreenshotStage::Show(DesignWindow& window) {
    const bool started = window.Startup();
    for (const auto& m : m_messages.entries())
        std::fprintf(stderr, "%s: %s\n", qPrintable(m.caption), qPrintable(m.text));
    if (!started) return false;
    window.show();
    QApplication::processEvents();
    return true;
}

bool SaveScreenshot(QWidget& widget, const QString& output, const char* shownPath) {
    if (!widget.grab().save(output)) {
        std::fprintf(stderr, "cannot write %s\n", shownPath);
        return false;
    }
    std::printf("%s: %dx%d\n", qPrintable(output), widget.width(), widget.height());
    return true;
}

void UseOffscreenScreen() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    static QTemporaryFile config(QDir::tempPath() + QStringLiteral("/screen-XXXXXX.json"));
    if (config.open()) {
        config.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080}]})");
        config.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

QString AbsoluteArgument(const char* path) { return QFileInfo(QString::fromLocal8Bit(path)).absoluteFilePath(); }

}  // namespace fb::ui
