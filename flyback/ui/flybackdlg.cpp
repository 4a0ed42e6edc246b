#include "flyback/ui/flybackdlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"
#include "common/files/savedfiles.h"
#include "common/report/designtools.h"
#include "common/ui/aboutbox.h"
#include "common/ui/coregroup.h"
#include "common/ui/helpwindow.h"
#include "common/ui/language.h"
#include "common/ui/listdialogs.h"
#include "common/ui/messageseam.h"
#include "common/ui/tooltips.h"
#include "flyback/design/clamperopening.h"
#include "flyback/design/flybackanalysis.h"
#include "flyback/ui/clamperdlg.h"
#include "flyback/ui/formfields.h"
#include "flyback/ui/pictures.h"

namespace fb {
namespace {

template <class W>
W* Control(const QWidget* form, int id) {
    return ui::ControlAs<W>(form, id);
}

}  // namespace

CFlybackDlg::CFlybackDlg(QWidget* parent)
    : DesignWindowOf(kFlybackProgram, {kBigBuffer, kBigBuffer, kBigBuffer}, parent) {
    BuildForm();
    BindForm(FlybackFields());
    ConnectActions();
    AddDesignTools();
}

CFlybackDlg::~CFlybackDlg() = default;

bool CFlybackDlg::Startup() {
    // A missing or unreadable settings file keeps the defaults.
    if (!StartupToSettings(FlybackIcon(), FlybackDesignFile(), m_in)) return false;
    FieldsToForm();
    RefreshDependentStates();
    return FinishStartup(m_in.mater, m_in.core);
}

void CFlybackDlg::RefreshDependentStates() {
    m_binding.applyEnables(m_in);
    ui::SetLabelText(m_controls[ctl::kRequiredCaption], QString::fromStdString(RequiredCaption(m_in.yes_al)));
    ui::SetLabelText(m_controls[ctl::kRequiredUnit], QString::fromStdString(RequiredUnit(m_in.yes_al)));
}

void CFlybackDlg::ConnectActions() {
    auto button = [this](int id) { return Control<QAbstractButton>(this, id); };
    connect(button(ctl::kCalculate), &QAbstractButton::clicked, this, &CFlybackDlg::Calculate);
    connect(button(ctl::kExit), &QAbstractButton::clicked, this, &CFlybackDlg::reject);
    connect(button(ctl::kDC), &QAbstractButton::clicked, this, &CFlybackDlg::OnDC);
    connect(button(ctl::kAC), &QAbstractButton::clicked, this, &CFlybackDlg::OnAC);
    connect(button(ctl::kAuto), &QAbstractButton::clicked, this, &CFlybackDlg::OnAuto);
    connect(button(ctl::kYesD), &QAbstractButton::clicked, this, &CFlybackDlg::Calculate);
    connect(button(ctl::kGapRadio), &QAbstractButton::clicked, this, &CFlybackDlg::OnGapRadio);
    connect(button(ctl::kAlRadio), &QAbstractButton::clicked, this, &CFlybackDlg::OnAlRadio);
    connect(button(ctl::kUnasRadio), &QAbstractButton::clicked, this, [this] { OnSwitchModel(false); });
    connect(button(ctl::kRdsRadio), &QAbstractButton::clicked, this, [this] { OnSwitchModel(true); });
    connect(Control<QLineEdit>(this, ctl::kIccm), &QLineEdit::textChanged, this, &CFlybackDlg::OnIccmChanged);
    connect(Control<QLineEdit>(this, ctl::kFconv), &QLineEdit::textChanged, this, &CFlybackDlg::OnFconvChanged);
    ConnectCoreGroup();
    connect(button(ctl::kSave), &QAbstractButton::clicked, this, &CFlybackDlg::OnSave);
    connect(button(ctl::kLoad), &QAbstractButton::clicked, this, &CFlybackDlg::OnLoad);

    auto action = [this](int id) { return ui::FindAction(m_menu, id); };
    connect(action(ctl::kHelpMenu), &QAction::triggered, this,
            [this] { ui::ShowHelp(this, ui::HelpConfig::Flyback()); });
    connect(action(ctl::kAboutMenu), &QAction::triggered, this,
            [this] { ui::ShowAbout(this, ui::AboutConfig::Of(kFlybackProgram, FlybackIcon())); });
    connect(action(ctl::kClamperMenu), &QAction::triggered, this, &CFlybackDlg::OnClamper);
    // The add-core check boxes and button are the core group's own.
}

void CFlybackDlg::Calculate() {
    FormToFields();
    m_last = DesignFlyback(m_in, m_coreGroup->record(), m_material, m_wires);
    m_in = m_last.input;
    ++m_calculations;
    FieldsToForm();
    ShowOutcome(m_last);
    Analyse(m_coreGroup->record());
    ui::ShowMessages(this, m_last.messages);
    if (!m_keepSettingsFile) SaveSettings(false);
    m_designTools->Calculated();
}

DesignAnalysis CFlybackDlg::AnalyseDesign(const CoreRecord& core, const CoreGeometry& geometry,
                                          const LossOptions& options) const {
    return AnalyseFlybackDesign(m_last, core, m_material, m_wires, geometry, options);
}

void CFlybackDlg::ShowOutcome(const FlybackOutcome& outcome) {
    ShowTexts(outcome.results);
    ShowTexts(outcome.labels);
    for (const auto& [id, text] : outcome.tooltips) SetTool(id, text);
}

bool CFlybackDlg::SaveSettings(bool exiting) {
    if (!m_settingsWritable) return false;  // said at start-up: the file is left as it is
    const WriteResult written = FlybackDesignFile().Write(settingsPath(), m_in);
    if (written.ok) {
        m_writeFailureShown = false;
        return true;
    }
    // Reported once while the failure lasts (every calculation writes the file); at exit the
    // user is told again, since the inputs are about to be lost.
    if (exiting || !m_writeFailureShown) {
        m_writeFailureShown = true;
        ui::ShowMessage(
            this, Warning(Phrase("{1}.\nИсходные данные не сохранены, программа продолжает работу.", {written.error})));
    }
    return false;
}

void CFlybackDlg::WriteSettingsOnExit() { SaveSettings(true); }

void CFlybackDlg::OnDC() {
    if (m_in.setevoe != 1) return;  // already DC at the last exchange: nothing to convert
    FormToFields();
    for (std::string* u : {&m_in.Umin, &m_in.Unom, &m_in.Umax}) *u = F0(TextToDouble(*u) * 1.35);
    FieldsToForm();
}

void CFlybackDlg::OnAC() {
    FormToFields();
    m_in.Umin = "207";
    m_in.Unom = "230";
    m_in.Umax = "253";
    FieldsToForm();
}

void CFlybackDlg::OnAuto() {
    FormToFields();
    m_binding.applyEnables(m_in);
    Calculate();
}

void CFlybackDlg::OnGapRadio() {
    FormToFields();
    ui::SetLabelText(m_controls[ctl::kRequiredCaption], QString::fromStdString(RequiredCaption(0)));
    ui::SetLabelText(m_controls[ctl::kRequiredUnit], QString::fromStdString(RequiredUnit(0)));
    m_in.zazor = ZazorTextForAL(m_last.result.AL, m_coreGroup->record(), m_material);
    FieldsToForm();
    Calculate();
}

void CFlybackDlg::OnAlRadio() {
    FormToFields();
    ui::SetLabelText(m_controls[ctl::kRequiredCaption], QString::fromStdString(RequiredCaption(1)));
    ui::SetLabelText(m_controls[ctl::kRequiredUnit], QString::fromStdString(RequiredUnit(1)));
    m_in.zazor = controlText(ctl::kAL).toStdString();
    FieldsToForm();
    Calculate();
}

// The radio has changed but the fields not yet: the rules see the new mode.
void CFlybackDlg::OnSwitchModel(bool rdsMode) {
    FlybackInput shown = m_in;
    shown.rds = rdsMode ? 1 : 0;
    m_binding.applyEnables(shown);
}

void CFlybackDlg::OnIccmChanged() {
    FormToFields();
    bool changed = false;
    m_in.Iccm = LimitIccmText(m_in.Iccm, &changed);
    if (changed) FieldsToForm();
}

void CFlybackDlg::OnFconvChanged() {
    FormToFields();
    m_in.Fconv = LimitFconvText(m_in.Fconv, m_material.LastFrequency());
    FieldsToForm();
}

ClamperInput CFlybackDlg::ClamperHandOver() const {
    // Copies of the shown results and of the fields as the last exchange left them: the
    // form is not read first.
    return ClamperOpening(m_in, [this](int id) { return controlText(id).toStdString(); });
}

void CFlybackDlg::OnClamper() {
    ClamperInput in = ClamperHandOver();
    CClamperDlg dlg(in, this);
    AddHelpKey(&dlg);
    if (m_analysis.losses.hasLeakage && std::isfinite(m_analysis.losses.leakage_uH))
        dlg.OfferBuildUpLeakage(m_analysis.losses.leakage_uH);
    dlg.exec();
    m_in.Uclamp = dlg.Uclamp();
    m_in.Ures = dlg.Ures();
    m_in.Ceq = dlg.Ceq();
    m_in.Ls = dlg.Ls();
    m_in.TL1 = dlg.TL1();
    m_in.TLs = dlg.TLs();
}

void CFlybackDlg::OnSave() {
    Calculate();  // also writes the settings file
    FormToFields();
    ui::CSaveFile dialog(ui::SavedFilesConfig::Flyback(), QString::fromStdString(FlybackSaveName(m_in)), this);
    if (dialog.exec() == QDialog::Accepted) {
        const WriteResult written = FlybackDesignFile().Write(dialog.filePath(), m_in);
        if (!written.ok) ui::ShowMessage(this, SaveFailedMessage(written));
    }
    Control<QWidget>(this, ctl::kCalculate)->setFocus();
}

void CFlybackDlg::OnLoad() {
    ui::COpenFile dialog(ui::SavedFilesConfig::Flyback(), this);
    if (dialog.exec() != QDialog::Accepted) {
        Control<QWidget>(this, ctl::kCalculate)->setFocus();
        return;
    }
    if (!FlybackDesignFile().Read(dialog.filePath(), m_in)) return;  // unreadable: nothing changes
    if (m_in.mater.empty()) m_in.mater = kDefaultMaterial;
    FieldsToForm();
    SelectMaterial(m_in.mater);
    RefreshDependentStates();
    m_coreGroup->SelectByName(m_in.core);  // designs unless an add mode is set
    m_coreGroup->UpdatePicture();
    Control<QWidget>(this, ctl::kCalculate)->setFocus();
}

}  // namespace fb
