#include "boostcoil/ui/boostcoildlg.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/design/pfckeys.h"
#include "boostcoil/ui/hints.h"
#include "boostcoil/ui/pictures.h"
#include "common/data/numbers.h"
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

namespace fb {
namespace {

// The information text's lines end in CR LF; the text field wants single breaks.
QString DisplayLines(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// The same lines in the interface language: each caption before its tab, the values as they are.
QString ShownLines(const QString& lines) {
    QStringList out;
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        out << (tab < 0 ? ui::Translated(line) : ui::Translated(line.left(tab)) + line.mid(tab));
    }
    return out.join(QLatin1Char('\n'));
}

// The information field keeps its Russian text here, so what the window reads back never
// depends on the language.
const char* const kInfoSource = "fbSourceText";

}  // namespace

CBoostcoilDlg::CBoostcoilDlg(QWidget* parent)
    : DesignWindowOf(kBoostcoilProgram, {kPfcSmallBuffer, kPfcSmallBuffer, kPfcCoreBuffer}, parent) {
    BuildForm();
    BindForm(PfcFields());
    ConnectActions();
    AddDesignTools();
}

CBoostcoilDlg::~CBoostcoilDlg() = default;

bool CBoostcoilDlg::Startup() {
    // A missing or unreadable settings file keeps the defaults; the design constants are the
    // engine's own.
    if (!StartupToSettings(BoostcoilIcon(), PfcDesignFile(), m_in)) return false;
    FieldsToForm();
    ShowModeLabels(m_in.yes_al);
    return FinishStartup(m_in.mater, m_in.core);
}

void CBoostcoilDlg::ShowModeLabels(int yes_al) {
    const GapAlLabels labels = LabelsForMode(yes_al);
    ui::SetLabelText(m_controls[pfcid::kRequiredLabel], QString::fromStdString(labels.label));
    ui::SetLabelText(m_controls[pfcid::kRequiredUnit], QString::fromStdString(labels.unit));
}

void CBoostcoilDlg::ConnectActions() {
    auto button = [this](int id) { return ui::ControlAs<QAbstractButton>(this, id); };
    connect(button(bcid::kCalculate), &QAbstractButton::clicked, this, &CBoostcoilDlg::Calculate);
    connect(button(bcid::kExit), &QAbstractButton::clicked, this, &CBoostcoilDlg::reject);
    connect(button(bcid::kSave), &QAbstractButton::clicked, this, &CBoostcoilDlg::Save);
    connect(button(bcid::kLoad), &QAbstractButton::clicked, this, &CBoostcoilDlg::Load);
    connect(button(bcid::kYesD), &QAbstractButton::clicked, this, &CBoostcoilDlg::Calculate);
    connect(button(bcid::kGapRadio), &QAbstractButton::clicked, this, &CBoostcoilDlg::OnGapRadio);
    connect(button(bcid::kAlRadio), &QAbstractButton::clicked, this, &CBoostcoilDlg::OnAlRadio);
    ConnectCoreGroup();
    // The add-core check boxes and button are the core group's own.

    auto action = [this](int id) { return ui::FindAction(m_menu, id); };
    connect(action(bcid::kSchematicMenu), &QAction::triggered, this, &CBoostcoilDlg::ShowSchematic);
    connect(action(bcid::kHelpMenu), &QAction::triggered, this,
            [this] { ui::ShowHelp(this, ui::HelpConfig::Boostcoil()); });
    connect(action(bcid::kAboutMenu), &QAction::triggered, this,
            [this] { ui::ShowAbout(this, ui::AboutConfig::Of(kBoostcoilProgram, BoostcoilIcon())); });
}

CoreRecord CBoostcoilDlg::FormCore() const {
    // The design reads the core's numbers from the texts the core fields show; k1 and k2 come
    // with the selected core.
    CoreRecord core = m_coreGroup->record();
    core.muText = m_coreGroup->dataEdit(ui::CoreGroup::Mu)->text().toStdString();
    core.AeText = m_coreGroup->dataEdit(ui::CoreGroup::Ae)->text().toStdString();
    core.AnText = m_coreGroup->dataEdit(ui::CoreGroup::An)->text().toStdString();
    core.leText = m_coreGroup->dataEdit(ui::CoreGroup::Le)->text().toStdString();
    return core;
}

void CBoostcoilDlg::Calculate() {
    FormToFields();
    m_last = CalculateChoke(m_in, FormCore(), m_material, m_wires);
    m_in = m_last.input;
    ++m_calculations;
    m_lastCalculated = m_last.calculated;
    if (m_last.calculated) {
        m_ALreq = m_last.AL_req;
        m_AL = m_last.AL;
        m_ALText = m_last.ALText;
    }
    FieldsToForm();
    ShowResult(m_last);
    Analyse(m_last.core);
    ui::ShowMessages(this, m_last.messages);
    m_designTools->Calculated();
}

DesignAnalysis CBoostcoilDlg::AnalyseDesign(const CoreRecord&, const CoreGeometry& geometry,
                                            const LossOptions& options) const {
    return AnalyseChokeDesign(m_last, m_material, m_wires, geometry, options);
}

void CBoostcoilDlg::ShowResult(const PfcResult& result) {
    m_coreGroup->ShowRecord(result.core);  // the core texts with points and the volume
    ShowTexts(result.texts);               // all but the information field, which is no label
    auto info = result.texts.find(pfcid::kInfo);
    if (info != result.texts.end()) {
        const QString lines = DisplayLines(info->second);
        m_info->setProperty(kInfoSource, lines);
        m_info->setPlainText(ShownLines(lines));
        ui::MarkResult(m_info, info->second, m_tips);
    }
    ShowTexts(result.labels);
    for (const auto& [id, text] : result.tooltips) SetTool(id, text);
}

QString CBoostcoilDlg::controlText(int id) const {
    return id == pfcid::kInfo ? m_info->property(kInfoSource).toString() : DesignWindow::controlText(id);
}

void CBoostcoilDlg::OnGapRadio() {
    FormToFields();
    ShowModeLabels(0);
    // After a run that was not calculated, or with a requirement that is no number, the field
    // keeps its text: "nan" or "inf" would read back as a gap of 0.
    if (m_lastCalculated && std::isfinite(m_ALreq)) {
        double Ffr = 1;
        const double gap = GapForAL(m_ALreq, FormCore(), m_material, Ffr);
        if (std::isfinite(gap)) m_in.zazor = F3(gap + 0.0005);
    }
    FieldsToForm();
    Calculate();
}

void CBoostcoilDlg::OnAlRadio() {
    FormToFields();
    ShowModeLabels(1);
    if (m_lastCalculated && std::isfinite(m_AL)) m_in.zazor = m_ALText;
    FieldsToForm();
    Calculate();
}

void CBoostcoilDlg::FocusCalculate() { ui::FindControl(this, bcid::kCalculate)->setFocus(); }

void CBoostcoilDlg::Save() {
    // The file holds the texts as they stand: nothing is calculated first.
    FormToFields();
    ui::CSaveFileDlg dialog(ui::SavedFilesConfig::Boostcoil(), QString::fromStdString(PfcSaveName(m_in)), this);
    if (dialog.exec() == QDialog::Accepted) {
        const WriteResult written = PfcDesignFile().Write(dialog.filePath(), m_in);
        if (!written.ok) ui::ShowMessage(this, SaveFailedMessage(written));
    }
    FocusCalculate();
}

void CBoostcoilDlg::Load() {
    ui::COpenFileDlg dialog(ui::SavedFilesConfig::Boostcoil(), this);
    // A file that cannot be read is passed over in silence; nothing has changed then.
    if (dialog.exec() == QDialog::Accepted && PfcDesignFile().Read(dialog.filePath(), m_in)) {
        FieldsToForm();
        ShowModeLabels(m_in.yes_al);
        SelectMaterial(m_in.mater);
        m_coreGroup->SelectByName(m_in.core);  // designs, unless an add mode is on
        m_coreGroup->UpdatePicture();
    }
    FocusCalculate();
}

void CBoostcoilDlg::ShowSchematic() {
    CHints hints(this);
    AddHelpKey(&hints);
    hints.exec();
}

void CBoostcoilDlg::WriteSettingsOnExit() {
    if (!m_settingsWritable) return;  // said at start-up: the file is left as it is
    const WriteResult written = PfcDesignFile().Write(settingsPath(), m_in);
    // The window closes all the same; the user learns that the inputs were not kept.
    if (!written.ok) ui::ShowMessage(this, SaveFailedMessage(written));
}

}  // namespace fb
