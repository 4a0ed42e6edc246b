#include "common/ui/designwindow.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "common/data/textfile.h"
#include "common/ui/coregroup.h"
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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(6);
    layout->addLayout(groups);
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

void DesignWindow::NoteSettingsRead(const StartupResult& failure) {
    m_settingsWritable = !failure;
    if (failure) ShowMessage(this, failure->message);
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
