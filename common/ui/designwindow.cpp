#include "common/ui/designwindow.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "common/data/textfile.h"
#include "common/files/lossoptionsfile.h"
#include "common/ui/checkspanel.h"
#include "common/ui/coregroup.h"
#include "common/ui/formbinding.h"
#include "common/ui/losswindow.h"
#include "common/ui/messageseam.h"
#include "common/ui/tooltips.h"

namespace fb::ui {
namespace {

const char* const kHelpName = "ReadMe.txt";

// The folder part of a path, up to and including its last "/".
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

DesignWindow::DesignWindow(const QString& title, StartupBuffers buffers, QWidget* parent)
    : QDialog(parent), m_start("", buffers) {
    setWindowTitle(title);
    // A larger desktop font would push the form past the width of a 1366-pixel screen.
    QFont small = font();
    if (small.pointSizeF() > 9) {
        small.setPointSizeF(9);
        setFont(small);
    }
}

DesignWindow::~DesignWindow() = default;

void DesignWindow::LayOutGroups(QHBoxLayout* groups, const CoreGroupConfig& config) {
    m_coreGroup = new CoreGroup(config, m_cores, this);
    groups->addWidget(m_coreGroup, 0, Qt::AlignTop);
    // An added core may bring its coil former; the window's own slot then designs with it.
    connect(m_coreGroup, &CoreGroup::materialReloadRequested, this, [this] { m_geometries.Load(m_dataRoot); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(6);
    layout->addLayout(groups);
}

void DesignWindow::AddAnalysisViews(bool windingOrder) {
    m_windingOrder = windingOrder;
    auto* command = new QAction(QStringLiteral("Намотка и потери"), m_menu);
    command->setObjectName(ControlName(kLossWindowMenu));
    const QList<QAction*> commands = m_menu->actions();
    m_menu->insertAction(commands.size() > 1 ? commands[1] : nullptr, command);
    connect(command, &QAction::triggered, this, &DesignWindow::ShowLossWindow);


    auto* rows = static_cast<QVBoxLayout*>(layout());
    auto* buttons = qobject_cast<QHBoxLayout*>(rows->itemAt(rows->count() - 1)->layout());
    m_checksPanel = new CChecksPanel(this);
    auto* caption = new QLabel(QStringLiteral("Проверка:"), this);
    buttons->insertWidget(0, caption, 0, Qt::AlignTop);
    buttons->insertWidget(1, m_checksPanel, 1);
    buttons->insertSpacing(2, 12);
    // The buttons stay on the bottom line of the row the list makes taller.
    for (int i = 0; i < buttons->count(); ++i)
        if (QWidget* w = buttons->itemAt(i)->widget(); w && w != m_checksPanel && w != caption)
            buttons->setAlignment(w, Qt::AlignBottom);
}

void DesignWindow::ShowLossWindow() {
    if (!m_lossWindow) m_lossWindow = new CLossWindow(this, m_windingOrder);
    m_lossWindow->show();
    m_lossWindow->raise();
    m_lossWindow->activateWindow();
}

bool DesignWindow::Stop(const Message& message) {
    ShowMessage(this, message);
    QDialog::reject();  // closes without writing the settings file
    return false;
}

bool DesignWindow::LocateFolders() {
    QFile help(QString::fromUtf8(kHelpName));
    if (!QFileInfo(help).isFile() || !help.open(QIODevice::ReadOnly))
        return Stop(Warning("В папке с программой отсутствует файл \"ReadMe.txt\".\nДо свидания!"));
    m_programFolder = FolderOf(QFileInfo(help).absoluteFilePath().toStdString());
    std::string parent = m_programFolder;
    while (!parent.empty() && parent.back() == '/') parent.pop_back();
    m_dataRoot = FolderOf(parent);
    m_start.SetDataRoot(m_dataRoot);
    m_geometries.Load(m_dataRoot);  // without the catalogue's file every core is estimated
    m_lossOptionsProblems = ReadLossOptionsFile(JoinPath(m_programFolder, m_lossOptionsName), m_lossOptions);
    help.close();
    m_coreGroup->SetDataRoot(m_dataRoot);  // where an added core is written
    // Temporary files of a writer killed in an earlier run (settings, saved designs, cores).
    RemoveStaleTemporaries(m_programFolder);
    RemoveStaleTemporaries(JoinPath(m_dataRoot, kCoresFolder));
    return true;
}

bool DesignWindow::LoadWireTable() {
    const StartupResult failure = m_start.LoadWireTable();
    return !failure || Stop(failure->message);
}

bool DesignWindow::ListMaterialsInCombo() {
    const StartupResult failure = m_start.ListMaterialFiles();
    QComboBox* materials = m_coreGroup->materialCombo();
    {
        const QSignalBlocker block(materials);
        for (const std::string& name : m_materials) materials->addItem(QString::fromStdString(name));
    }
    return !failure || Stop(failure->message);
}

// A material file that cannot be read leaves the window going on with no material data: the
// design's guard says so on the first calculation.
void DesignWindow::SelectMaterial(std::string& mater) {
    m_start.ChooseMaterial(mater);
    mater = m_start.choice().loadName;
    m_coreGroup->ShowMaterial(m_start.choice().index);
}

void DesignWindow::LoadCores() { ShowMessages(this, m_start.LoadCores(true)); }

void DesignWindow::ShowTexts(const std::map<int, std::string>& texts) {
    for (const auto& [id, text] : texts) {
        auto it = m_controls.find(id);
        if (it != m_controls.end()) it->second->setText(QString::fromStdString(text));
    }
}

void DesignWindow::SetTool(int toolId, const std::string& text) {
    auto it = m_tools.find(toolId);
    if (it == m_tools.end() || !m_tips) return;
    for (QWidget* w : it->second) m_tips->setTip(w, QString::fromStdString(text));
}

void DesignWindow::Analyse(const CoreRecord& core) {
    m_analysedCore = core;
    m_geometry = m_geometries.For(core.name, core.Ae, core.An, core.le);
    m_analysis = AnalyseDesign(core, m_geometry, m_lossOptions);
    if (m_checksPanel) m_checksPanel->SetChecks(m_analysis.checks);
    emit AnalysisChanged();
    emit Calculated();
}

WriteResult DesignWindow::SetLossOptions(const LossOptions& options) {
    m_lossOptions = options;
    m_lossOptionsProblems.clear();
    const WriteResult written = WriteLossOptionsFile(JoinPath(m_programFolder, m_lossOptionsName), options);
    if (m_calculations > 0) {
        m_analysis = AnalyseDesign(m_analysedCore, m_geometry, m_lossOptions);
        if (m_checksPanel) m_checksPanel->SetChecks(m_analysis.checks);
        emit AnalysisChanged();
    }
    return written;
}

QString DesignWindow::controlText(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? QString() : it->second->text();
}

QString DesignWindow::toolText(int toolId) const {
    auto it = m_tools.find(toolId);
    return it == m_tools.end() || it->second.empty() || !m_tips ? QString() : m_tips->tip(it->second.front());
}

std::vector<QWidget*> DesignWindow::toolWidgets(int toolId) const {
    auto it = m_tools.find(toolId);
    return it == m_tools.end() ? std::vector<QWidget*>() : it->second;
}

}  // namespace fb::ui
