#include "common/report/windowshots.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "common/report/designtools.h"
#include "common/report/plotswindow.h"
#include "common/ui/checkspanel.h"
#include "common/ui/coregroup.h"
#include "common/ui/designwindow.h"
#include "common/ui/formbinding.h"
#include "common/ui/language.h"
#include "common/ui/losswindow.h"
#include "common/ui/messageseam.h"

namespace fb::report {
namespace {

class Shooter {
public:
    explicit Shooter(const QString& prefix) : m_prefix(prefix) {}

    // Shows the widget (a window, or a part of one), lets it draw and writes its picture; a
    // window larger than its screen's available area is named.
    bool Shoot(QWidget& w, const char* name) {
        if (w.isWindow()) w.show();
        QApplication::processEvents();
        const QString path = m_prefix + QString::fromUtf8(name) + QStringLiteral(".png");
        if (!w.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            m_ok = false;
            return false;
        }
        const QWidget& window = *w.window();
        const QRect area = window.screen()->availableGeometry();
        const bool fits = area.contains(window.frameGeometry());
        std::printf("%s: %dx%d%s\n", qPrintable(path), w.width(), w.height(), fits ? "" : " LARGER THAN THE SCREEN");
        return true;
    }
    bool ok() const { return m_ok; }

private:
    QString m_prefix;
    bool m_ok = true;
};

// Waits (at most a minute) for the adviser's sweep to end.
void WaitForSweep(CAdviserWindow& adviser) {
    if (!adviser.Running()) return;
    QEventLoop loop;
    QObject::connect(&adviser, &CAdviserWindow::SweepFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
}

// Both add-core modes, each with an empty "add" that the group refuses with a message.
void ShootAddCore(ui::DesignWindow& window, Shooter& shooter) {
    ui::CoreGroup* group = window.coreGroup();
    for (auto [box, name] :
         {std::pair{group->addByDimsBox(), "addcore-dims"}, {group->addByDataBox(), "addcore-data"}}) {
        box->click();
        shooter.Shoot(window, name);
        group->addButton()->click();
        box->click();
    }
}

void ShootListDialogs(ui::DesignWindow& window, const SessionWindows& windows, Shooter& shooter) {
    ui::COpenFile open(windows.files, &window);
    shooter.Shoot(open, "open");
    open.hide();
    QListWidget* list = open.findChild<QListWidget*>();
    const QString existing = list && list->count() > 0 ? list->item(0)->text() : QStringLiteral("design.sav");
    ui::CSaveFile save(windows.files, existing, &window);
    shooter.Shoot(save, "save");
    save.findChild<QPushButton*>(ui::ControlName(1))->click();  // asks whether to replace it
    save.hide();
}

void ShootTools(ui::DesignWindow& window, CDesignTools& tools, Shooter& shooter) {
    window.ShowLossWindow();
    shooter.Shoot(*window.lossWindow(), "loss");
    window.lossWindow()->hide();
    tools.OpenAdviser();
    WaitForSweep(*tools.adviser());
    shooter.Shoot(*tools.adviser(), "adviser");
    tools.adviser()->hide();
    tools.OpenPlots();
    CPlotsWindow& plots = *tools.plots();
    auto* tabs = plots.findChild<QTabWidget*>();
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        shooter.Shoot(plots, QStringLiteral("plots-%1").arg(i + 1).toUtf8().constData());
    }
    plots.hide();
    QFileDialog files(&window, ui::Translated(QStringLiteral("Сохранить отчет")), QStringLiteral("design.pdf"),
                      ui::Translated(QStringLiteral("Документ PDF (*.pdf);;Страница HTML (*.html *.htm)")));
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setOption(QFileDialog::DontUseNativeDialog);
    shooter.Shoot(files, "filedialog");
    files.hide();
}

// The boxes as the message seam would show them, one picture each.
void ShootMessages(ui::DesignWindow& window, const ui::MessageRecorder& messages, Shooter& shooter) {
    int n = 0;
    for (const auto& m : messages.entries()) {
        QMessageBox box(m.question ? QMessageBox::Question : QMessageBox::Warning, ui::Translated(m.caption),
                        ui::Translated(m.text), m.question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                        &window);
        shooter.Shoot(box, QStringLiteral("message-%1").arg(++n).toUtf8().constData());
    }
}

}  // namespace

bool ShootSession(ui::DesignWindow& window, CDesignTools& tools, ui::MessageRecorder& messages,
                  const SessionWindows& windows, const QString& prefix) {
    Shooter shooter(prefix);
    messages.clear();
    shooter.Shoot(window, "main");
    if (window.checksPanel()) shooter.Shoot(*window.checksPanel(), "checks");
    ShootAddCore(window, shooter);
    ShootListDialogs(window, windows, shooter);
    ui::CHelpDlg help(windows.help, &window);
    if (help.Load()) shooter.Shoot(help, "help");
    help.hide();
    ui::CAboutDlg about(windows.about, &window);
    shooter.Shoot(about, "about");
    about.hide();
    ShootTools(window, tools, shooter);
    if (windows.own) windows.own([&](QWidget& w, const char* name) { return shooter.Shoot(w, name); });
    // The language command of the other language says when it takes effect.
    const bool english = ui::InterfaceLanguage() == ui::Language::English;
    if (QAction* other =
            window.findChild<QAction*>(english ? QStringLiteral("language_ru") : QStringLiteral("language_en")))
        other->trigger();
    ShootMessages(window, messages, shooter);
    return shooter.ok();
}

}  // namespace fb::report
