#pragma once
// The commands both main windows add beyond the method: "Подбор сердечника" (the adviser),
// "Графики" (one plots window per main window, following each calculation) and the report
// submenu ("Отчет…", "Печать…", "Копировать результаты"). The window supplies what only it
// knows through hooks; the commands write no file but the one the user names.
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "common/report/reportdata.h"
#include "common/ui/adviserwindow.h"

class QAction;
class QMenuBar;
class QWidget;

namespace fb::report {

class CPlotsWindow;

// Object names of the commands (ui::ControlName of these IDs), for ui::FindAction.
namespace toolid {
constexpr int kAdviser = 33101, kPlots = 33102, kReportMenu = 33103, kReport = 33104, kPrint = 33105, kCopy = 33106;
}  // namespace toolid

struct DesignToolHooks {
    std::function<SweepJob()> sweepJob;  // the adviser's job for the form as it stands
    // The adviser's choice: core, material and gap text into the form, then a calculation.
    std::function<void(const QString& core, const QString& material, const QString& gapText)> apply;
    std::function<PlotSet()> plots;         // the plots of the last calculation
    std::function<ReportData()> report;     // the report of the last calculation
    std::function<std::string()> fileName;  // the design's proposed file name (".sav" is replaced)
};

class CDesignTools : public QObject {
    Q_OBJECT
public:
    // Adds the commands to `menu` before `before` (at the end when null).
    CDesignTools(QWidget* window, QMenuBar* menu, QAction* before, DesignToolHooks hooks);

    // After each calculation: an open plots window follows it (it is made on first use).
    void Calculated();

    void OpenAdviser();
    void OpenPlots();
    void SaveReport();
    void PrintReport();
    void CopyResults();

    CAdviserWindow* adviser() const { return m_adviser; }
    CPlotsWindow* plots() const { return m_plots; }

private:
    QWidget* m_window;
    DesignToolHooks m_hooks;
    CAdviserWindow* m_adviser = nullptr;
    CPlotsWindow* m_plots = nullptr;
};

}  // namespace fb::report
