#include "common/ui/designwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/data/textfile.h"
#include "common/files/lossoptionsfile.h"
#include "common/files/preferences.h"
#include "common/ui/checkspanel.h"
#include "common/ui/coregroup.h"
#include "common/ui/formbinding.h"
#include "common/ui/language.h"
#include "common/ui/losswindow.h"
#include "common/ui/messageseam.h"
#include "common/ui/screenfit.h"
#include "common/ui/tooltips.h"

namespace fb::ui {
namespace {

const char* const kHelpName = "ReadMe.txt";
const int kHelpCommand = 57670;  // "Помощь" of both windows

// The folder part of a path, up to and including its last "/".
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

DesignWindow::DesignWindow(const ProgramInfo& program, StartupBuffers buffers, QWidget* parent)
    : QDialog(parent), m_start("", buffers), m_settingsName(std::string(program.name) + ".ini") {
    m_lossOptionsName = std::string(program.name) + ".analysis.cfg";
    setWindowTitle(QString::fromStdString(program.Title()));
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
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    m_formLayout = new QVBoxLayout(form);
    m_formLayout->setContentsMargins(0, 0, 0, 0);
    m_formLayout->setSpacing(6);
    // The form keeps its natural layout; a window too small for it scrolls instead of squeezing it.
    m_formLayout->setSizeConstraint(QLayout::SetFixedSize);
    m_formLayout->addLayout(groups);
    m_formLayout->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(NewFormScroll(form, this), 1);
}

std::string DesignWindow::preferencesPath() const {
    return m_prefsName.empty() ? std::string() : PreferencesPath(m_programFolder, m_prefsName);
}

void DesignWindow::setVisible(bool visible) {
    if (visible && !m_polished) {
        m_polished = true;
        AddLanguageMenu();
        // F1, as in every desktop program, does what the help command does, here and in the
        // windows this one opens beside it (loss, adviser, plots).
        AddHelpKey(this)->setContext(Qt::ApplicationShortcut);
        TranslateWidgets(this);
        FitToScreen(*this);
        QDialog::setVisible(visible);
        FitToScreen(*this);  // again with the frame the window manager gave
        return;
    }
    QDialog::setVisible(visible);
}

QShortcut* DesignWindow::AddHelpKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    connect(key, &QShortcut::activated, this, [this] {
        if (QAction* a = findChild<QAction*>(ControlName(kHelpCommand))) a->trigger();
    });
    return key;
}

void DesignWindow::AddLanguageMenu() {
    if (!m_menu) return;
    QMenu* menu = m_menu->addMenu(QStringLiteral("Язык"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    const std::pair<const char*, const char*> choices[] = {{"ru", "Русский"}, {"en", "English"}};
    for (const auto& [code, name] : choices) {
        QAction* a = menu->addAction(QString::fromUtf8(name));
        a->setObjectName(QStringLiteral("language_") + QLatin1String(code));
        a->setCheckable(true);
        a->setChecked(LanguageCode(InterfaceLanguage()) == std::string(code));
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code = code] { ChooseLanguage(code); });
    }
}

// The forms are built once, in one language: the choice is stored and applies at the next start.
void DesignWindow::ChooseLanguage(const char* code) {
    const std::string path = preferencesPath();
    if (!path.empty()) {
        Preferences prefs = Preferences::Read(path);
        if (prefs.Text("language") == code) return;
        prefs.Set("language", code);
        const WriteResult written = prefs.Write(path);
        if (!written.ok) {
            ShowMessage(this, Warning(written.error));
            return;
        }
    }
    if (LanguageCode(InterfaceLanguage()) == std::string(code)) return;  // the language shown now
    // Said in the language chosen; leaving English, in English too, for whoever reads only that.
    const QString text = std::string(code) == "en"
                             ? QStringLiteral("The interface will be in English from the next start of the program.")
                             : QStringLiteral(
                                   "Интерфейс будет на русском языке со следующего запуска программы.\n"
                                   "The interface will be in Russian from the next start of the program.");
    MessageSeam::current().warn(this, Translated(QStringLiteral("Язык")), text);
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

void DesignWindow::NoteSettingsRead(const StartupResult& failure) {
    m_settingsWritable = !failure;
    if (failure) ShowMessage(this, failure->message);
}

void DesignWindow::LoadCores() { ShowMessages(this, m_start.LoadCores(true)); }

void DesignWindow::reject() {
    if (m_started) {
        FormToFields();
        WriteSettingsOnExit();
    }
    QDialog::reject();
}

void DesignWindow::ConnectCoreGroup() {
    connect(m_coreGroup, &CoreGroup::coreSelected, this, [this] { Calculate(); });
    connect(m_coreGroup, &CoreGroup::materialActivated, this, [this](int index) {
        FormToFields();
        if (m_cores.addByDims || m_cores.addByData) return;
        InputMaterial() = m_coreGroup->materialCombo()->itemText(index).toStdString();
        m_material.Load(m_dataRoot, InputMaterial(), m_start.materialBuffer());
        FieldsToForm();
        Calculate();
    });
    connect(m_coreGroup, &CoreGroup::materialReloadRequested, this, [this] {
        FormToFields();
        m_material.Load(m_dataRoot, InputMaterial(), m_start.materialBuffer());
    });
}

bool DesignWindow::FinishStartup(std::string& mater, const std::string& core) {
    if (!ListMaterialsInCombo()) return false;
    SelectMaterial(mater);
    LoadCores();
    FormToFields();
    m_coreGroup->SelectByName(core);
    m_coreGroup->DisableCoreEdits();
    m_started = true;
    return true;
}

void DesignWindow::ShowTexts(const std::map<int, std::string>& texts) {
    for (const auto& [id, text] : texts) {
        auto it = m_controls.find(id);
        if (it == m_controls.end()) continue;
        SetLabelText(it->second, QString::fromStdString(text));
        MarkResult(it->second, text, m_tips);
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
    return it == m_controls.end() ? QString() : SourceText(it->second);
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
