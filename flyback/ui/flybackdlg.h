#pragma once
// The flyback program's main window: owns the inputs, decides when the design runs, and shows
// its outcome (the data it loads at start-up are the shared main window's).
#include <string>

#include "common/analysis/designanalysis.h"
#include "common/report/reportdata.h"
#include "common/ui/designwindowof.h"
#include "flyback/clamper/clamper.h"
#include "flyback/design/flyback.h"

class QLabel;

namespace fb {
namespace report {
class CDesignTools;
}

class CFlybackDlg : public ui::DesignWindowOf<FlybackInput> {
    Q_OBJECT
public:
    explicit CFlybackDlg(QWidget* parent = nullptr);
    ~CFlybackDlg() override;

    bool Startup() override;

    // "Рассчитать": form -> fields, design, fields -> form, messages, settings file.
    void Calculate() override;

    // Enabled states and labels that follow the check boxes and radios.
    void RefreshDependentStates();

    // "Сохранить": calculate, then the save dialog with the proposed name, then the file.
    void OnSave();
    // "Загрузить": the open dialog, then the file's inputs, material and core; the core's
    // selection designs.
    void OnLoad();
    // "Расчеты RCD клампера": the clamper window over copies of the results and the six
    // stored clamper texts, which come back however it closes.
    void OnClamper();
    // What the clamper window is handed: the shown results and the stored clamper texts.
    ClamperInput ClamperHandOver() const;

    // The adviser's candidate into the form (gap mode, gap, material, core) and a design that
    // writes no settings file.
    void ApplyCandidate(const QString& core, const QString& material, const QString& gapText);
    report::CDesignTools* designTools() const { return m_designTools; }

    const FlybackOutcome& lastOutcome() const { return m_last; }

private:
    // Form building (flybackform.cpp).
    void BuildForm();
    QWidget* BuildInputs();
    QWidget* BuildResults();
    QWidget* BuildResultTables(QWidget* box);
    QLabel* NewResult(QWidget* parent, int id, int minWidth = 56);
    void BuildMenuAndButtons();
    // Tooltips (flybacktips.cpp).
    void RegisterTips() override;

    DesignAnalysis AnalyseDesign(const CoreRecord& core, const CoreGeometry& geometry,
                                 const LossOptions& options) const override;
    void ConnectActions();
    void ShowOutcome(const FlybackOutcome& outcome);
    bool SaveSettings(bool exiting);
    void WriteSettingsOnExit() override;

    void OnDC();
    void OnAC();
    void OnAuto();
    void OnGapRadio();
    void OnAlRadio();
    void OnSwitchModel(bool rdsMode);
    void OnIccmChanged();
    void OnFconvChanged();

    // The adviser, plots and report commands (flybacktools.cpp).
    void AddDesignTools();
    ReportData ReportOfLast() const;

    FlybackOutcome m_last;
    bool m_writeFailureShown = false;
    bool m_keepSettingsFile = false;  // a candidate's design: the settings file stays as it is
    report::CDesignTools* m_designTools = nullptr;
};

}  // namespace fb
