// The Boostcoil window's adviser, plots and report commands.
#include <QAction>
#include <QMenuBar>

#include "boostcoil/adviser/pfcadvice.h"
#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/design/pfcreport.h"
#include "boostcoil/design/pfcwaves.h"
#include "boostcoil/ui/boostcoildlg.h"
#include "common/adviser/adviceanalysis.h"
#include "common/files/savedfiles.h"
#include "common/report/designtools.h"
#include "common/report/reportsections.h"
#include "common/ui/candidate.h"
#include "common/ui/coregroup.h"

namespace fb {

void CBoostcoilDlg::AddDesignTools() {
    report::DesignToolHooks hooks;
    hooks.sweepJob = [this] {
        FormToFields();
        return SweepJobFor(m_cores, m_dataRoot, kPfcSmallBuffer,
                           PfcEvaluator(m_in, m_wires, LoadAdviceAnalysis(m_dataRoot, lossOptions())));
    };
    hooks.apply = [this](const QString& core, const QString& material, const QString& gap) {
        ApplyCandidate(core, material, gap);
    };
    hooks.plots = [this] { return m_last.calculated ? PfcPlots(m_last) : PlotSet{}; };
    hooks.report = [this] { return ReportOfLast(); };
    hooks.fileName = [this] { return PfcSaveName(m_in); };
    m_designTools = new report::CDesignTools(this, m_menu, ui::FindAction(m_menu, bcid::kHelpMenu), std::move(hooks));
}

void CBoostcoilDlg::ApplyCandidate(const QString& core, const QString& material, const QString& gapText) {
    FormToFields();
    ui::TakeCandidate(m_in, core, material, gapText);
    FieldsToForm();
    ShowModeLabels(0);
    SelectMaterial(m_in.mater);
    m_coreGroup->SelectByName(m_in.core);  // designs, unless an add mode is on
    m_coreGroup->UpdatePicture();
}

ReportData CBoostcoilDlg::ReportOfLast() const {
    return PfcReport(m_last,
                     {m_last.core, m_material, LastAnalysis(), m_last.messages, LastGeometry(), ReportDateToday()});
}

}  // namespace fb
