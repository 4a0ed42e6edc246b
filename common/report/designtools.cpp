#include "common/report/designtools.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

#include "common/report/plotswindow.h"
#include "common/report/reportdocument.h"
#include "common/ui/formbinding.h"
#include "common/ui/language.h"
#include "common/ui/messageseam.h"

namespace fb::report {
namespace {

QAction* Command(QObject* owner, int id, const char* text) {
    auto* a = new QAction(QString::fromUtf8(text), owner);
    a->setObjectName(ui::ControlName(id));
    return a;
}

}  // namespace

CDesignTools::CDesignTools(QWidget* window, QMenuBar* menu, QAction* before, DesignToolHooks hooks)
    : QObject(window), m_window(window), m_hooks(std::move(hooks)) {
    QAction* adviser = Command(menu, toolid::kAdviser, "Подбор сердечника");
    QAction* plots = Command(menu, toolid::kPlots, "Графики");
    menu->insertAction(before, adviser);
    menu->insertAction(before, plots);
    auto* reportMenu = new QMenu(QString::fromUtf8("Отчет"), menu);
    reportMenu->menuAction()->setObjectName(ui::ControlName(toolid::kReportMenu));
    menu->insertMenu(before, reportMenu);
    QAction* save = Command(reportMenu, toolid::kReport, "Отчет…");
    QAction* print = Command(reportMenu, toolid::kPrint, "Печать…");
    QAction* copy = Command(reportMenu, toolid::kCopy, "Копировать результаты");
    // Ctrl+C copies the results only when no edit has focus: a focused line edit takes its
    // own Copy first. Ctrl+Shift+C copies them from anywhere.
    copy->setShortcuts({QKeySequence::Copy, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    reportMenu->addActions({save, print});
    reportMenu->addSeparator();
    reportMenu->addAction(copy);
    window->addAction(copy);  // the shortcut works while the submenu is closed

    connect(adviser, &QAction::triggered, this, &CDesignTools::OpenAdviser);
    connect(plots, &QAction::triggered, this, &CDesignTools::OpenPlots);
    connect(save, &QAction::triggered, this, &CDesignTools::SaveReport);
    connect(print, &QAction::triggered, this, &CDesignTools::PrintReport);
    connect(copy, &QAction::triggered, this, &CDesignTools::CopyResults);
}

void CDesignTools::Calculated() {
    if (m_plots) m_plots->SetPlots(m_hooks.plots());
}

void CDesignTools::OpenAdviser() {
    if (!m_adviser) {
        m_adviser = new CAdviserWindow(m_window);
        connect(m_adviser, &CAdviserWindow::CandidateChosen, this,
                [this](const QString& c, const QString& m, const QString& g) { m_hooks.apply(c, m, g); });
    }
    m_adviser->show();
    m_adviser->raise();
    m_adviser->Start(m_hooks.sweepJob());
}

void CDesignTools::OpenPlots() {
    if (!m_plots) {
        m_plots = new CPlotsWindow(m_window);
        m_plots->SetPlots(m_hooks.plots());
    }
    m_plots->show();
    m_plots->raise();
}

void CDesignTools::SaveReport() {
    QString name = QString::fromStdString(m_hooks.fileName());
    if (name.endsWith(".sav", Qt::CaseInsensitive)) name.chop(4);
    QFileDialog dialog(m_window, ui::Translated(QString::fromUtf8("Сохранить отчет")), name + ".pdf",
                       ui::Translated(QString::fromUtf8("Документ PDF (*.pdf);;Страница HTML (*.html *.htm)")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    std::string error;
    if (!WriteReport(m_hooks.report(), dialog.selectedFiles().front().toStdString(), &error))
        ui::ShowMessage(m_window, Warning(error));
}

void CDesignTools::PrintReport() { PrintReportWithDialog(m_hooks.report(), m_window); }

void CDesignTools::CopyResults() { CopyReportText(m_hooks.report()); }

}  // namespace fb::report
