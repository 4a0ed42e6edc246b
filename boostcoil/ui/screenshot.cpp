// Renders the main window after start-up to a PNG, for the documentation:
//   boostcoil-screenshot <data root> <output.png> [<schematic.png>]
// The data root is copied into a temporary folder first (without settings files), so the
// picture shows a first start with the shipped data and nothing of the user's is touched.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "boostcoil/ui/boostcoildlg.h"
#include "boostcoil/ui/hints.h"
#include "common/ui/messageseam.h"

namespace {

bool CopyDataRoot(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString rel = QDir(from).relativeFilePath(file);
        if (rel.startsWith(QLatin1String("sources/")) || rel.endsWith(QLatin1String(".ini"))) continue;
        const QString target = to + QLatin1Char('/') + rel;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(file, target)) return false;
    }
    return true;
}

bool Save(QWidget& widget, const char* path) {
    const QString output = QFileInfo(QString::fromLocal8Bit(path)).absoluteFilePath();
    if (!widget.grab().save(output)) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return false;
    }
    std::printf("%s: %dx%d\n", qPrintable(output), widget.width(), widget.height());
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: boostcoil-screenshot <data root> <output.png> [<schematic.png>]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString source = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString output = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const QString schematic = argc == 4 ? QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath() : QString();
    QTemporaryDir temp;
    if (!temp.isValid() || !CopyDataRoot(source, temp.path()) || !QDir::setCurrent(temp.path() + "/Boostcoil")) {
        std::fprintf(stderr, "cannot prepare a copy of %s\n", argv[1]);
        return 1;
    }
    fb::ui::MessageRecorder messages;  // a modal box would wait for a click that never comes
    fb::ui::ScopedMessageSeam seam(&messages);
    fb::CBoostcoilDlg window;
    const bool started = window.Startup();
    for (const auto& m : messages.entries())
        std::fprintf(stderr, "%s: %s\n", qPrintable(m.caption), qPrintable(m.text));
    if (!started) return 1;
    window.show();
    app.processEvents();
    if (!Save(window, output.toLocal8Bit().constData())) return 1;
    if (!schematic.isEmpty()) {
        fb::CHints hints(&window);
        hints.show();
        app.processEvents();
        if (!Save(hints, schematic.toLocal8Bit().constData())) return 1;
    }
    return 0;
}
