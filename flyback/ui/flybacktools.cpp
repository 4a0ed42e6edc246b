// The flyback window's adviser, plots and report commands.
#include <QAction>
#include <QMenuBar>

#include "common/adviser/adviceanalysis.h"
#include "common/files/savedfiles.h"
#include "common/report/designtools.h"
#include "common/report/reportsections.h"
#include "common/ui/candidate.h"
#include "common/ui/coregroup.h"
#include "flyback/adviser/flybackadvice.h"
#include "flyback/design/flybackanalysis.h"
#include "flyback/design/flybackreport.h"
#include "flyback/design/flybackwaves.h"
#include "flyback/ui/flybackdlg.h"
#include "flyback/ui/formfields.h"

namespace fb {

void CFlybackDlg::AddDesignTools() {
    report::DesignToolHooks hooks;
    hooks.sweepJob = [this] {
        FormToFields();
        return SweepJobFor(m_cores, m_dataRoot, kBigBuffer,
                           FlybackEvaluator(m_in, m_wires, LoadAdviceAnalysis(m_dataRoot, lossOptions())));
    };
    hooks.apply = [this](const QString& core, const QString& material, const QString& gap) {
        ApplyCandidate(core, material, gap);
    };
    hooks.plots = [this] { return m_last.computed ? FlybackPlots(m_last, m_material) : PlotSet{}; };
    hooks.report = [this] { return ReportOfLast(); };
    hooks.fileName = [this] { return FlybackSaveName(m_in); };
    m_designTools = new report::CDesignTools(this, m_menu, ui::FindAction(m_menu, ctl::kHelpMenu), std::move(hooks));
}

void CFlybackDlg::ApplyCandidate(const QString& core, const QString& material, const QString& gapText) {
    FormToFields();
    ui::TakeCandidate(m_in, core, material, gapText);
    FieldsToForm();
    SelectMaterial(m_in.mater);
    RefreshDependentStates();
    m_keepSettingsFile = true;
    m_coreGroup->SelectByName(m_in.core);  // designs, unless an add mode is on
    m_keepSettingsFile = false;
    m_coreGroup->UpdatePicture();
}

ReportData CFlybackDlg::ReportOfLast() const {
    // The clamper window as it would open on this design.
    ClamperInput clamperIn = ClamperHandOver();
    ClamperResult clamperOut;
    EstimateLeakage(clamperIn, clamperOut);
    CalculateClamper(clamperIn, clamperOut);
    return FlybackReport(
        m_last, clamperIn, clamperOut,
        {m_coreGroup->record(), m_material, LastAnalysis(), m_last.messages, LastGeometry(), ReportDateToday()});
}

}  // namespace fb
