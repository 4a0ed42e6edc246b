// Opening a program: constructing a main window, its start-up on the shipped data root (help
// file, wire table, settings, materials, core base, first design) and showing it, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "boostcoil/ui/boostcoildlg.h"
#include "common/ui/messageseam.h"
#include "flyback/ui/flybackdlg.h"

namespace {

// A copy of the built data root, so the settings the programs write never touch it.
class DataRootCopy {
public:
    DataRootCopy() {
        const QString from = QStringLiteral(FB_ROOT_DIR);
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString rel = QDir(from).relativeFilePath(file);
            if (rel.endsWith(QLatin1String(".ini"))) continue;
            const QString target = m_temp.path() + QLatin1Char('/') + rel;
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
    }
    QString folder(const char* program) const { return m_temp.path() + QLatin1Char('/') + QLatin1String(program); }

private:
    QTemporaryDir m_temp;
};

template <class Window>
void OpenWindow(benchmark::State& state, const char* program) {
    DataRootCopy root;
    const QString previous = QDir::currentPath();
    if (!QDir::setCurrent(root.folder(program))) {
        state.SkipWithError("no program folder in the data root");
        return;
    }
    fb::ui::MessageRecorder messages;
    fb::ui::ScopedMessageSeam seam(&messages);
    for (auto _ : state) {
        Window window;
        if (!window.Startup()) {
            state.SkipWithError("start-up failed");
            break;
        }
        window.show();
        QApplication::processEvents();
    }
    QDir::setCurrent(previous);
}

void BM_FlybackWindowOpens(benchmark::State& state) { OpenWindow<fb::CFlybackDlg>(state, "Flyback"); }
BENCHMARK(BM_FlybackWindowOpens)->Unit(benchmark::kMillisecond);

void BM_BoostcoilWindowOpens(benchmark::State& state) { OpenWindow<fb::CBoostcoilDlg>(state, "Boostcoil"); }
BENCHMARK(BM_BoostcoilWindowOpens)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
