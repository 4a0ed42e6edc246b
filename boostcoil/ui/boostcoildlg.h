#pragma once
// Boostcoil's main window: owns the inputs, decides when the choke design runs, and shows
// its results (the data it loads at start-up are the shared main window's).
#include <string>

#include "boostcoil/design/pfc.h"
#include "common/analysis/designanalysis.h"
#include "common/report/reportdata.h"
#include "common/ui/designwindowof.h"

class QLabel;
class QPlainTextEdit;

namespace fb {
namespace report {
class CDesignTools;
}

class CBoostcoilDlg : public ui::DesignWindowOf<PfcInput> {
    Q_OBJECT
public:
    explicit CBoostcoilDlg(QWidget* parent = nullptr);
    ~CBoostcoilDlg() override;

    bool Startup() override;

    // "Рассчитать": form -> fields, the choke design, fields -> form, its messages.
    void Calculate() override;
    // "Сохранить" and "Загрузить" with the saved-file list dialogs.
    void Save();
    void Load();
    // The schematic window (menu).
    void ShowSchematic();

    // The adviser's candidate into the form (gap mode, gap, material, core) and a design.
    void ApplyCandidate(const QString& core, const QString& material, const QString& gapText);
    report::CDesignTools* designTools() const { return m_designTools; }

    const PfcResult& lastResult() const { return m_last; }
    // The core as the form shows it: what the next design reads.
    CoreRecord FormCore() const;
    // The text shown by a result, label or the information control (its lines end in "\n").
    QString controlText(int id) const override;

private:
    // Form building (boostcoilform.cpp).
    void BuildForm();
    QWidget* BuildInputs();
    QWidget* BuildCoreResults();
    QWidget* BuildChokeResults();
    QWidget* BuildSupplyTable();
    QLabel* NewResult(QWidget* parent, int id, int minWidth = 64);
    QLabel* NewLabel(QWidget* parent, int id, const QString& text);
    void BuildMenuAndButtons();
    // Tooltips (boostcoiltips.cpp).
    void RegisterTips() override;

    DesignAnalysis AnalyseDesign(const CoreRecord& core, const CoreGeometry& geometry,
                                 const LossOptions& options) const override;
    void ConnectActions();
    void WriteSettingsOnExit() override;
    void ShowModeLabels(int yes_al);
    void ShowResult(const PfcResult& result);
    void FocusCalculate();

    void OnGapRadio();
    void OnAlRadio();

    // The adviser, plots and report commands (boostcoiltools.cpp).
    void AddDesignTools();
    ReportData ReportOfLast() const;

    PfcResult m_last;
    // What the gap/AL radios convert: AL_req and the AL text of the last run, usable only
    // when that run was calculated.
    bool m_lastCalculated = false;
    double m_ALreq = 0;
    double m_AL = 0;
    std::string m_ALText;

    QPlainTextEdit* m_info = nullptr;
    report::CDesignTools* m_designTools = nullptr;
};

}  // namespace fb
